#include "host/ui/FileDialogResponder.h"

namespace {
FileDialogResponder* gResponder = nullptr;
}

void FileDialogResponder::Set(FileDialogResponder* responder) {
    gResponder = responder;
}

FileDialogResponder* FileDialogResponder::Get() {
    return gResponder;
}
