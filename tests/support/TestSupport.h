// Shared helpers of the test suites: a private application document folder per test run,
// temporary folders, and paths of the source and build trees.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {
std::filesystem::path SourceDir();
std::filesystem::path BinaryDir();
// The shared corpus of real PDFs with comments: $PAGEHOST_CORPUS, else shared/corpus/pdf beside the
// source tree, else /work/shared/corpus/pdf. It is read in place, never copied.
std::filesystem::path CorpusDir();
// A fresh folder under the run's temporary folder.
std::filesystem::path MakeTempDir(const std::string& name);
std::string ReadFile(const std::filesystem::path& path);
// Runs a fixture script: /usr/bin/python3 SCRIPT ARGS... (each argument quoted); answers what it
// printed, and its exit status in *status.
std::string RunPythonScript(const std::filesystem::path& script, const std::vector<std::string>& args,
                            int* status);
} // namespace TestSupport
