#include "ProofWords.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"

std::vector<double> ProofWordBox(const std::filesystem::path& pdf, const std::string& word) {
    int status = 0;
    const std::string out = TestSupport::RunPythonScript(
        TestSupport::SourceDir() / "tests/e2e/pdf_word_boxes.py", {pdf.string(), word}, &status);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string tag, found, pageTag;
        int page = 0;
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (fields >> tag >> found >> pageTag >> page >> x0 >> y0 >> x1 >> y1 && tag == "word" &&
            found == word)
            return {x0, 792 - y1, x1, 792 - y0};
    }
    ADD_FAILURE() << word << " not found in " << pdf;
    return {0, 0, 0, 0};
}
