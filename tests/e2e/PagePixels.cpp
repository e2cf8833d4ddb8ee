#include "PagePixels.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "TestSupport.h"

namespace PagePixels {
uint32 Rendered(const PngImage& png, double x, double y) {
    return png.PixelAt(static_cast<int>((36 + x) * 2), static_cast<int>((36 + y) * 2));
}

std::vector<uint32> InPdf(const std::filesystem::path& pdf, int page, const std::vector<PMPoint>& points) {
    std::vector<std::string> args = {pdf.string(), std::to_string(page)};
    for (const PMPoint& p : points) {
        args.push_back(std::to_string(p.X()));
        args.push_back(std::to_string(p.Y()));
    }
    int status = 0;
    const std::string out =
        TestSupport::RunPythonScript(TestSupport::SourceDir() / "tests/e2e/pdf_pixels.py", args, &status);
    std::vector<uint32> colours;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string tag, hex;
        double x = 0, y = 0;
        if (fields >> tag >> x >> y >> hex && tag == "pixel")
            colours.push_back(static_cast<uint32>(std::stoul(hex, nullptr, 16)));
    }
    if (status != 0 || colours.size() != points.size())
        ADD_FAILURE() << "pdf_pixels.py answered " << colours.size() << " of " << points.size()
                      << " points: " << out;
    colours.resize(points.size(), 0xFFFFFFFFu); // a point the script did not answer matches no colour
    return colours;
}
} // namespace PagePixels
