#include "TestSupport.h"

#include <cstdio>

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/Host.h"

namespace {
std::filesystem::path RunFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path base =
            std::filesystem::temp_directory_path() / ("pagehost-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(base);
        return base;
    }();
    return folder;
}

// Every run writes its failure log and settings under its own folder, never the user's.
class TestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const std::filesystem::path home = RunFolder() / "home";
        std::filesystem::create_directories(home);
        ::setenv("PAGEHOST_HOME", home.c_str(), 1);
        Host::Initialize();
    }
    void TearDown() override {
        Host::Shutdown();
        std::error_code ignored;
        std::filesystem::remove_all(RunFolder(), ignored);
    }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new TestEnvironment);
} // namespace

namespace TestSupport {
std::filesystem::path SourceDir() {
    return PAGEHOST_SOURCE_DIR;
}
std::filesystem::path BinaryDir() {
    return PAGEHOST_BINARY_DIR;
}

std::filesystem::path CorpusDir() {
    if (const char* given = std::getenv("PAGEHOST_CORPUS"); given && *given)
        return given;
    const std::filesystem::path beside = SourceDir().parent_path() / "shared" / "corpus" / "pdf";
    std::error_code error;
    if (std::filesystem::is_directory(beside, error))
        return beside;
    return "/work/shared/corpus/pdf";
}

std::filesystem::path MakeTempDir(const std::string& name) {
    static std::atomic<int> counter{0};
    std::filesystem::path dir = RunFolder() / (name + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    return dir;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}
std::string RunPythonScript(const std::filesystem::path& script, const std::vector<std::string>& args,
                            int* status) {
    std::string command = "/usr/bin/python3 '" + script.string() + "'";
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    if (!pipe) {
        *status = -1;
        return output;
    }
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    *status = pclose(pipe);
    return output;
}
} // namespace TestSupport
