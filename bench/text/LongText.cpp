#include "LongText.h"

#include <random>

namespace LongText {
std::u16string Make() {
    static const char16_t* const words[] = {u"annotation", u"proof",    u"page",  u"the",   u"of",
                                            u"and",        u"reviewer", u"marks", u"text",  u"frame",
                                            u"well-known", u"layout",   u"a",     u"to",    u"document",
                                            u"composer",   u"line",     u"in",    u"story", u"is"};
    std::mt19937 random(42);
    std::u16string text;
    while (text.size() < kUnits) {
        const int count = 60 + static_cast<int>(random() % 90);
        for (int w = 0; w < count; ++w) {
            text += words[random() % std::size(words)];
            text += w + 1 < count ? u' ' : u'.';
        }
        text += u'\r';
    }
    return text;
}

std::vector<std::u16string> Paragraphs() {
    const std::u16string text = Make();
    std::vector<std::u16string> paragraphs;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find(u'\r', start);
        paragraphs.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return paragraphs;
}
} // namespace LongText
