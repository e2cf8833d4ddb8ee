#include "OptionsCommand.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "INotesPopupOptions.h"
#include "host/objectmodel/ApplicationDefaults.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// The display modes by their number, as the command line names them.
constexpr std::array<std::string_view, 3> kPopupModes = {"show-all", "leave-alone", "show-selected"};

int Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}
} // namespace

OptionsCommand::OptionsCommand(CLI::App& app) {
    fCommand =
        app.add_subcommand("options", "Show the application's options, or set them for this and later runs");
    fCommand
        ->add_option("--popup-mode", fPopupMode,
                     "Which popups stay open: show-all, leave-alone (closed unless opened), show-selected")
        ->check(CLI::IsMember({"show-all", "leave-alone", "show-selected"}));
}

int OptionsCommand::Run() const {
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    if (!popupOptions)
        return Fail("The Annotations plug-in is not loaded, so it has no options to show.");
    if (!fPopupMode.empty()) {
        for (size_t mode = 0; mode < kPopupModes.size(); ++mode)
            if (kPopupModes[mode] == fPopupMode)
                popupOptions->SetMode(static_cast<int32>(mode));
        IDFile defaults;
        if (!ApplicationDefaults::GetFile(&defaults) ||
            ApplicationDefaults::Save(GetApplicationObject(), defaults) != kSuccess)
            return Fail("The options cannot be kept: " + defaults.GetPathString() + " cannot be written.");
    }
    const int32 mode = popupOptions->GetMode();
    const std::string_view name =
        mode >= 0 && static_cast<size_t>(mode) < kPopupModes.size() ? kPopupModes[mode] : "unknown";
    std::printf("popup-mode: %.*s\n", static_cast<int>(name.size()), name.data());
    return 0;
}
