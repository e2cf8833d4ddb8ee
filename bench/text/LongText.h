// LongText: the benchmarks' long story: about 1.5 million UTF-16 code units of sentences drawn
// from a small vocabulary, paragraphs of 60 to 150 words each ended by a paragraph return. A
// fixed seed gives the same text on every run, so timings of different runs compare.
#pragma once

#include <string>
#include <vector>

namespace LongText {
constexpr size_t kUnits = 1'500'000;

// The whole text, every paragraph followed by its return.
std::u16string Make();
// The same paragraphs without their returns.
std::vector<std::u16string> Paragraphs();
} // namespace LongText
