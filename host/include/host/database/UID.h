// UID: an object's identifier within one document database; kInvalidUID means none.
#pragma once

#include "host/util/BaseTypes.h"

using UID = uint32;
constexpr UID kInvalidUID = 0;
