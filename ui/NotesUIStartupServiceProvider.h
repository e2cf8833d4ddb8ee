// NotesUIStartupServiceProvider: registers the UI plug-in's start-up service with the host.
#pragma once

#include "host/notify/CServiceProvider.h"

class NotesUIStartupServiceProvider final : public CServiceProvider {
public:
    explicit NotesUIStartupServiceProvider(IPMUnknown* boss)
        : CServiceProvider(boss, "NotesUI Startup Service", {kStartupShutdownService}) {}
};
