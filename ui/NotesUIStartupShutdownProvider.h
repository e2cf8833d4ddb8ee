// NotesUIStartupShutdownProvider: the UI plug-in's start-up service. At start-up it attaches the
// command-processor observer to the application, so that undo and redo rebuild the Notes tree, and
// detaches it at shut-down.
#pragma once

#include "host/notify/IStartupShutdownService.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesUIStartupShutdownProvider final : public CPMUnknown<IStartupShutdownService> {
public:
    explicit NotesUIStartupShutdownProvider(IPMUnknown* boss) : CPMUnknown<IStartupShutdownService>(boss) {}
    void Startup() override { AttachObserver(true); }
    void Shutdown() override { AttachObserver(false); }

private:
    static void AttachObserver(bool attach);
};
