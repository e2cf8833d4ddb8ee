#include "PdfFixtureFiles.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Removes the temporary folder when the test process ends.
struct TempDirOwner {
    fs::path path;
    ~TempDirOwner() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

const char* kPython = "/usr/bin/python3";

} // namespace

fs::path PdfFixtureFiles::repoRoot() {
#ifdef PAGEHOST_SOURCE_DIR
    return PAGEHOST_SOURCE_DIR;
#endif
    // This file lives in <root>/tests/support/.
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}

fs::path PdfFixtureFiles::tempDir() {
    static TempDirOwner owner{[] {
        fs::path path = fs::temp_directory_path() / ("pdf-library-tests-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }()};
    return owner.path;
}

fs::path PdfFixtureFiles::samplePdf() {
    static const fs::path path = [] {
        fs::path out = tempDir() / "sample.pdf";
        run(std::string(kPython) + " " + quoted(repoRoot() / "tools/make_sample_pdf.py") + " " + quoted(out));
        return out;
    }();
    return path;
}

fs::path PdfFixtureFiles::annotated(const std::string& name, const std::string& commentsJson) {
    const fs::path comments = writeFile(name + ".json", commentsJson);
    const fs::path out = tempDir() / (name + ".pdf");
    const fs::path log = tempDir() / (name + ".log");
    try {
        run(std::string(kPython) + " " + quoted(repoRoot() / "tools/annotate_pdf.py") + " " +
            quoted(samplePdf()) + " " + quoted(comments) + " " + quoted(out) + " >" + quoted(log) + " 2>&1");
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(error.what() + std::string("\n") + readFile(log));
    }
    return out;
}

fs::path PdfFixtureFiles::writeFile(const std::string& name, const std::string& bytes) {
    const fs::path path = tempDir() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string PdfFixtureFiles::readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void PdfFixtureFiles::run(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("command failed: " + command);
    }
}

std::string PdfFixtureFiles::quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}
