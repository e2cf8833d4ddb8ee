// AttributeRun: a stretch of text that carries one list of character attributes.
#pragma once

#include "host/text/AttributeBossList.h"
#include "host/text/TextTypes.h"

struct AttributeRun {
    int32 length = 0;
    AttributeBossList attributes;
    bool operator==(const AttributeRun& o) const { return length == o.length && attributes == o.attributes; }
};
