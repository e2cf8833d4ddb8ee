#include "host/objectmodel/PlugInLoader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "host/notify/ServiceRegistry.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/ActionManager.h"
#include "host/ui/WidgetResources.h"
#include "host/util/StringTable.h"

namespace {
std::string Hex(uint32 value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::string NoTranslateLanguage(const StringTableDeclaration& table) {
    return table.noTranslate ? std::string("(no translation)") : std::string(table.language);
}

PlugInLoadResult Refuse(const std::string& file, PlugInLoadResult::Reason reason,
                        const std::string& message) {
    PlugInLoadResult result;
    result.file = file;
    result.reason = reason;
    result.message = message;
    return result;
}
} // namespace

std::string PlugInVersion::ToString() const {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(bugfix);
}

PlugInLoader& PlugInLoader::Instance() {
    static PlugInLoader loader;
    return loader;
}

std::vector<PlugInLoadResult> PlugInLoader::LoadFolder(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file(error) && entry.path().extension() == ".so")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    std::vector<PlugInLoadResult> results;
    for (const std::string& file : files)
        results.push_back(LoadLibrary(file));
    // Every plug-in of the folder is in: their start-up services may now use one another.
    ServiceRegistry::Instance().StartUpServices();
    return results;
}

PlugInLoadResult PlugInLoader::LoadLibrary(const std::string& file) {
    const std::string name = std::filesystem::path(file).filename().string();
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        return Refuse(file, PlugInLoadResult::kNotALibrary,
                      "The plug-in " + name + " cannot be loaded: " + (reason ? reason : "unknown reason") +
                          ".");
    }
    auto entry = reinterpret_cast<GetPlugInFunction>(dlsym(handle, "GetPlugIn"));
    if (!entry) {
        dlclose(handle);
        return Refuse(file, PlugInLoadResult::kNoEntryPoint,
                      "The library " + name + " is not a plug-in: it has no GetPlugIn entry point.");
    }
    const IPlugIn* plugIn = entry();
    if (!plugIn) {
        dlclose(handle);
        return Refuse(file, PlugInLoadResult::kNoPlugInObject,
                      "The plug-in " + name + " did not return a plug-in object from GetPlugIn.");
    }
    PlugInLoadResult result = RegisterPlugIn(plugIn, file);
    if (result.reason != PlugInLoadResult::kLoaded)
        dlclose(handle);
    return result;
}

PlugInLoadResult PlugInLoader::RegisterPlugIn(const IPlugIn* plugIn, const std::string& file) {
    const std::string name = std::filesystem::path(file).filename().string();
    const PlugInDeclaration& decl = plugIn->GetDeclaration();
    const auto clash = [&](const std::string& what) {
        return Refuse(file, PlugInLoadResult::kClash, "The plug-in " + name + " was refused: " + what + ".");
    };
    if (FindPlugIn(decl.id))
        return clash("plug-in ID " + Hex(decl.id) + " is already loaded");
    if (std::string problem = ClassRegistry::Instance().CheckDeclaration(decl); !problem.empty())
        return clash(problem);
    for (const auto& table : decl.stringTables)
        for (const auto& string : table.strings)
            if (StringTable::Instance().Contains(NoTranslateLanguage(table), string.key))
                return clash(std::string("string key ") + string.key + " is already registered");
    for (const auto& action : decl.actions)
        if (ActionManager::Instance().FindAction(action.id))
            return clash("action ID " + Hex(action.id) + " is already registered");
    for (const auto& resource : decl.widgetResources)
        if (WidgetResources::Instance().Find(decl.id, resource.rsrcID))
            return clash("widget resource " + std::to_string(resource.rsrcID) + " is already registered");

    ClassRegistry::Instance().Register(decl);
    for (const auto& table : decl.stringTables)
        for (const auto& string : table.strings)
            StringTable::Instance().Add(NoTranslateLanguage(table), string.key, string.text);
    for (const auto& action : decl.actions)
        ActionManager::Instance().AddAction(action, decl.id);
    for (const auto& menu : decl.menus)
        ActionManager::Instance().AddMenu(menu, decl.id);
    for (const auto& resource : decl.widgetResources)
        WidgetResources::Instance().Add(decl.id, resource);
    for (ClassID provider : decl.serviceProviders)
        ServiceRegistry::Instance().AddProvider(provider, decl.id);
    fLoaded.push_back(plugIn);

    PlugInLoadResult result;
    result.file = file;
    result.plugIn = plugIn;
    return result;
}

const IPlugIn* PlugInLoader::FindPlugIn(PluginID id) const {
    for (const IPlugIn* plugIn : fLoaded)
        if (plugIn->GetDeclaration().id == id)
            return plugIn;
    return nullptr;
}

std::string ModuleFileOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) && info.dli_fname)
        return info.dli_fname;
    return {};
}
