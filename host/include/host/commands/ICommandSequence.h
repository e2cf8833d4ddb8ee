// ICommandSequence: commands grouped into one undo step under one name.
#pragma once

#include "host/util/PMString.h"

class ICommandSequence {
public:
    virtual ~ICommandSequence() = default;
    virtual void SetName(const PMString& name) = 0;
    virtual PMString GetName() const = 0;
};
