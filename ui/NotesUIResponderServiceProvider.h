// NotesUIResponderServiceProvider: registers the UI responder, as "NotesUI Responder Service", for
// the document signals after a new or opened document, before a close and before the three saves.
#pragma once

#include "host/notify/CServiceProvider.h"

class NotesUIResponderServiceProvider final : public CServiceProvider {
public:
    explicit NotesUIResponderServiceProvider(IPMUnknown* boss)
        : CServiceProvider(boss, "NotesUI Responder Service", DocumentLifeSignals()) {}
};
