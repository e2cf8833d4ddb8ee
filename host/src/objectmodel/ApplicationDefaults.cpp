#include "host/objectmodel/ApplicationDefaults.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "../database/SectionCodec.h"
#include "host/objectmodel/Boss.h"
#include "host/util/FileUtils.h"

namespace {
// The file starts with this mark, then the sections as a document row stores them.
constexpr std::string_view kMark = "pagehost-defaults 1\n";
// A defaults file is a few hundred bytes; anything far larger is not one.
constexpr std::uintmax_t kLargestFile = 1 << 20;

bool ReadBytes(const IDFile& file, std::vector<uint8>* bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file.GetPath(), error);
    if (error || size > kLargestFile)
        return false;
    std::ifstream in(file.GetPath(), std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool DecodeFile(const std::vector<uint8>& bytes, std::vector<Boss::Section>* sections) {
    if (bytes.size() < kMark.size() || !std::equal(kMark.begin(), kMark.end(), bytes.begin()))
        return false;
    return SectionCodec::Decode(
        std::vector<uint8>(bytes.begin() + static_cast<std::ptrdiff_t>(kMark.size()), bytes.end()), sections);
}

} // namespace

namespace ApplicationDefaults {
bool16 GetFile(IDFile* file) {
    if (!FileUtils::GetAppDocumentFolder(file))
        return kFalse;
    FileUtils::AppendPath(file, PMString("Defaults"));
    return kTrue;
}

bool16 Load(IPMUnknown* object, const IDFile& file) {
    std::vector<uint8> bytes;
    std::vector<Boss::Section> sections;
    if (!object || !ReadBytes(file, &bytes) || !DecodeFile(bytes, &sections))
        return kFalse;
    Boss::FromUnknown(object)->ReadSections(sections);
    return kTrue;
}

std::vector<uint8> Snapshot(IPMUnknown* object) {
    std::vector<uint8> bytes(kMark.begin(), kMark.end());
    const std::vector<uint8> sections = SectionCodec::Encode(Boss::FromUnknown(object)->WriteSections());
    bytes.insert(bytes.end(), sections.begin(), sections.end());
    return bytes;
}

ErrorCode Save(IPMUnknown* object, const IDFile& file) {
    if (!object)
        return kFailure;
    const std::vector<uint8> bytes = Snapshot(object);
    std::vector<uint8> stored;
    if (ReadBytes(file, &stored) && stored == bytes)
        return kSuccess;
    IDFile folder(file.GetPath().parent_path());
    if (FileUtils::CreateFolderIfNeeded(folder) != kSuccess)
        return kFailure;
    std::filesystem::path temporary = file.GetPath();
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return kFailure;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file.GetPath(), error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return kFailure;
    }
    return kSuccess;
}
} // namespace ApplicationDefaults
