// IDFile: a file or folder of the file system.
#pragma once

#include <filesystem>
#include <string>

class IDFile {
public:
    IDFile() = default;
    explicit IDFile(std::filesystem::path path) : fPath(std::move(path)) {}
    const std::filesystem::path& GetPath() const { return fPath; }
    std::string GetPathString() const { return fPath.string(); }
    std::string GetFileName() const { return fPath.filename().string(); }
    bool IsEmpty() const { return fPath.empty(); }
    bool operator==(const IDFile& o) const { return fPath == o.fPath; }

private:
    std::filesystem::path fPath;
};
