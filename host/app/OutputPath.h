// OutputPath: the check every verb makes before it writes a file: the output must be named, and it
// must not be one of the verb's inputs (the same file, also through links or another spelling).
#pragma once

#include <optional>
#include <string>
#include <vector>

class OutputPath {
public:
    // The one-sentence refusal of writing `output` for a verb reading `inputs`, or nothing when
    // the output may be written.
    static std::optional<std::string> Refusal(const std::string& output,
                                              const std::vector<std::string>& inputs);

    // Whether two paths name the same file: the same device and inode where both exist, the same
    // canonical path otherwise.
    static bool SameFile(const std::string& a, const std::string& b);
};
