// Identifier types of the object model: classes (bosses), interfaces, implementations, plug-ins.
#pragma once

#include "host/util/BaseTypes.h"

using ClassID = uint32;
using PMIID = uint32;
using ImplementationID = uint32;
using PluginID = uint32;
using ActionID = uint32;
using ServiceID = uint32;
using WidgetID = uint32;

constexpr ClassID kInvalidClass = 0;
constexpr PMIID kInvalidInterfaceID = 0;
constexpr ImplementationID kInvalidImpl = 0;
