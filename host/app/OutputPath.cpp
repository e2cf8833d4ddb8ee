#include "OutputPath.h"

#include <sys/stat.h>

#include <filesystem>

std::optional<std::string> OutputPath::Refusal(const std::string& output,
                                               const std::vector<std::string>& inputs) {
    if (output.empty())
        return "The output file name is empty; name the file to write.";
    for (const std::string& input : inputs)
        if (SameFile(output, input))
            return "The output file " + output + " is the input " + input + " itself; write to another file.";
    return std::nullopt;
}

bool OutputPath::SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    std::error_code error;
    const std::filesystem::path canonicalA = std::filesystem::weakly_canonical(a, error);
    if (error)
        return false;
    const std::filesystem::path canonicalB = std::filesystem::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
}
