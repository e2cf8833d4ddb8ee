// FileChooserResponder: answers the host's open-file dialogs with the desktop's file chooser.
#pragma once

#include <QString>

#include "host/ui/FileDialogResponder.h"

class FileChooserResponder final : public FileDialogResponder {
public:
    std::optional<std::vector<IDFile>> Answer(const FileDialogRequest& request) override;
    // The chooser's name filter for the request's filters ("PDF documents (*.pdf)"), one per line.
    static QString NameFilters(const FileDialogRequest& request);
};
