// Parses PDF dates ("D:YYYYMMDDHHmmSSOHH'mm'" and its shorter forms) into a
// time record, keeping the written local time and the offset separately.
#pragma once

#include "host/pdf/PDAnnot.h"

#include <optional>
#include <string_view>

class PdfDateParser {
public:
    static std::optional<ASTimeRec> parse(std::string_view text);

private:
    explicit PdfDateParser(std::string_view text) : text_(text) {}

    std::optional<ASTimeRec> run();
    // Reads `count` digits as a number; nullopt (and nothing consumed) when
    // fewer digits follow.
    std::optional<int> digits(std::size_t count);
    bool readOffset(ASTimeRec& date);
    bool skip(char c);
    static bool isValid(const ASTimeRec& date);

    std::string_view text_;
    std::size_t at_ = 0;
};
