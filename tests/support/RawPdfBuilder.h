// Builds small PDF files byte by byte, with a correct cross-reference table,
// so tests can state exactly the malformed structure they need.
#pragma once

#include <map>
#include <string>

class RawPdfBuilder {
public:
    // body is what goes between "N 0 obj" and "endobj".
    RawPdfBuilder& object(int number, const std::string& body);
    // A stream object with the given extra dictionary entries and data.
    RawPdfBuilder& stream(int number, const std::string& entries, const std::string& data);
    std::string build(int rootNumber, const std::string& trailerExtra = "") const;

private:
    std::map<int, std::string> bodies_;
};
