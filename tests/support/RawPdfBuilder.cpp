#include "RawPdfBuilder.h"

#include <cstdio>

RawPdfBuilder& RawPdfBuilder::object(int number, const std::string& body) {
    bodies_[number] = body;
    return *this;
}

RawPdfBuilder& RawPdfBuilder::stream(int number, const std::string& entries, const std::string& data) {
    return object(number, "<< /Length " + std::to_string(data.size()) + " " + entries + " >>\nstream\n" +
                              data + "\nendstream");
}

std::string RawPdfBuilder::build(int rootNumber, const std::string& trailerExtra) const {
    std::string out = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    const int size = bodies_.empty() ? 1 : bodies_.rbegin()->first + 1;
    std::map<int, std::size_t> offsets;
    for (const auto& [number, body] : bodies_) {
        offsets[number] = out.size();
        out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(size) + "\n0000000000 65535 f \n";
    for (int number = 1; number < size; ++number) {
        char line[32];
        auto found = offsets.find(number);
        std::snprintf(line, sizeof line, "%010zu 00000 %c \n", found == offsets.end() ? 0 : found->second,
                      found == offsets.end() ? 'f' : 'n');
        out += line;
    }
    out += "trailer\n<< /Size " + std::to_string(size) + " /Root " + std::to_string(rootNumber) + " 0 R " +
           trailerExtra + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}
