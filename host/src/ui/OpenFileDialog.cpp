// OpenFileDialog: the host's IOpenFileDialog; the installed FileDialogResponder answers, and only
// files the filters admit are taken.
#include <algorithm>
#include <cctype>

#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/FileDialogResponder.h"
#include "host/ui/IOpenFileDialog.h"

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class OpenFileDialog final : public CPMUnknown<IOpenFileDialog> {
public:
    explicit OpenFileDialog(IPMUnknown* boss) : CPMUnknown<IOpenFileDialog>(boss) {}

    void AddFilter(const PMString& family, const std::string& extension) override {
        PMString shown = family;
        shown.Translate();
        fFilters.push_back({shown, Lower(extension)});
    }

    bool16 DoDialog(const IDFile* defaultLocation, std::vector<IDFile>* chosen, bool16 allowMultiple,
                    const PMString& title) override {
        chosen->clear();
        FileDialogResponder* responder = FileDialogResponder::Get();
        if (!responder)
            return kFalse;
        FileDialogRequest request{title, fFilters, defaultLocation ? *defaultLocation : IDFile(),
                                  allowMultiple != 0};
        const std::optional<std::vector<IDFile>> answer = responder->Answer(request);
        if (!answer)
            return kFalse;
        for (const IDFile& file : *answer)
            if (Admits(file) && (allowMultiple || chosen->empty()))
                chosen->push_back(file);
        return chosen->empty() ? kFalse : kTrue;
    }

private:
    bool Admits(const IDFile& file) const {
        if (file.IsEmpty())
            return false;
        if (fFilters.empty())
            return true;
        const std::string extension = Lower(file.GetPath().extension().string());
        return std::any_of(fFilters.begin(), fFilters.end(), [&](const FileDialogRequest::Filter& filter) {
            return extension == "." + filter.extension;
        });
    }
    std::vector<FileDialogRequest::Filter> fFilters;
};
} // namespace

ImplementationDeclaration MakeOpenFileDialogImplementation(ImplementationID id) {
    return IMPLEMENTATION(OpenFileDialog, id, false);
}
