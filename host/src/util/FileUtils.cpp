#include "host/util/FileUtils.h"

#include <cstdlib>
#include <system_error>

namespace {
std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}
} // namespace

namespace FileUtils {
bool16 GetAppDocumentFolder(IDFile* folder) {
    if (!folder)
        return kFalse;
    std::filesystem::path path = FromEnvironment("PAGEHOST_HOME");
    if (path.empty()) {
        const std::filesystem::path xdg = FromEnvironment("XDG_DATA_HOME");
        if (!xdg.empty())
            path = xdg / "pagehost";
    }
    if (path.empty()) {
        const std::filesystem::path home = FromEnvironment("HOME");
        if (home.empty())
            return kFalse;
        path = home / ".local" / "share" / "pagehost";
    }
    *folder = IDFile(path);
    return kTrue;
}

ErrorCode CreateFolderIfNeeded(const IDFile& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder.GetPath(), error))
        return kSuccess;
    std::filesystem::create_directories(folder.GetPath(), error);
    return std::filesystem::is_directory(folder.GetPath(), error) ? kSuccess : kFailure;
}

void AppendPath(IDFile* file, const PMString& name) {
    if (file)
        *file = IDFile(file->GetPath() / name.GetUTF8String());
}

std::FILE* OpenFile(const IDFile& file, const char* mode) {
    return std::fopen(file.GetPathString().c_str(), mode);
}

bool16 DoesFileExist(const IDFile& file) {
    std::error_code error;
    return std::filesystem::exists(file.GetPath(), error) ? kTrue : kFalse;
}
} // namespace FileUtils
