#include "SaveLeftovers.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

namespace {
// The suffixes a save appends to the document's name: ".saving-PID-N" (with "-journal" while
// SQLite writes it) and ".partial-PID" of documents that earlier versions made under a passing name.
constexpr const char* kSaving = ".saving-";
constexpr const char* kPartial = ".partial-";

bool ProcessIsGone(const std::string& digits) {
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const pid_t pid = static_cast<pid_t>(std::stol(digits));
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// The PID a leftover's name carries after its document's name, or "" when it is none of ours.
std::string OwnerOf(const std::string& name, const std::string& document) {
    for (const std::string marker : {kSaving, kPartial}) {
        const std::string prefix = document + marker;
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
            const std::string rest = name.substr(prefix.size());
            return rest.substr(0, rest.find('-'));
        }
    }
    return std::string();
}
} // namespace

std::string SaveLeftovers::TemporaryName(const std::string& documentPath) {
    std::random_device random;
    return documentPath + kSaving + std::to_string(::getpid()) + "-" + std::to_string(random());
}

void SaveLeftovers::RemoveStale(const std::string& documentPath) {
    const std::filesystem::path path(documentPath);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string document = path.filename().string();
    std::error_code error;
    std::error_code ignored;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (ProcessIsGone(OwnerOf(name, document)))
            std::filesystem::remove(it->path(), ignored);
    }
}
