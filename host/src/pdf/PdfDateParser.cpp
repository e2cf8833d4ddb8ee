#include "PdfDateParser.h"

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::optional<ASTimeRec> PdfDateParser::parse(std::string_view text) {
    return PdfDateParser(trimmed(text)).run();
}

std::optional<ASTimeRec> PdfDateParser::run() {
    if (skip('D')) {
        skip(':');
    }
    ASTimeRec date;
    const auto year = digits(4);
    if (!year) {
        return std::nullopt;
    }
    date.year = static_cast<ASInt16>(*year);
    date.month = 1;
    date.day = 1;
    // Each further field is optional, but only while the ones before it are
    // present.
    ASInt16* fields[] = {&date.month, &date.day, &date.hour, &date.minute, &date.second};
    for (ASInt16* field : fields) {
        const auto value = digits(2);
        if (!value) {
            break;
        }
        *field = static_cast<ASInt16>(*value);
    }
    if (at_ < text_.size() && !readOffset(date)) {
        return std::nullopt;
    }
    if (!isValid(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<int> PdfDateParser::digits(std::size_t count) {
    if (at_ + count > text_.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text_[at_ + i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    at_ += count;
    return value;
}

bool PdfDateParser::readOffset(ASTimeRec& date) {
    const char sign = text_[at_++];
    if (sign == 'Z' || sign == 'z') {
        // Some writers follow Z with 00'00'; the offset is zero either way.
        date.hasGmtOffset = ASTrue;
        return true;
    }
    if (sign != '+' && sign != '-') {
        return false;
    }
    const auto hours = digits(2);
    if (!hours || *hours > 23) {
        return false;
    }
    skip('\'');
    const int minutes = digits(2).value_or(0);
    if (minutes > 59) {
        return false;
    }
    const int offset = *hours * 60 + minutes;
    date.gmtOffset = static_cast<ASInt16>(sign == '-' ? -offset : offset);
    date.hasGmtOffset = ASTrue;
    return true;
}

bool PdfDateParser::skip(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
        ++at_;
        return true;
    }
    return false;
}

bool PdfDateParser::isValid(const ASTimeRec& date) {
    if (date.month < 1 || date.month > 12) {
        return false;
    }
    return date.day >= 1 && date.day <= daysInMonth(date.year, date.month) && date.hour <= 23 &&
           date.minute <= 59 && date.second <= 59;
}
