// WordGridLayout: the layout description of the benchmarks' documents: pages of one frame each,
// every frame holding lines paragraphs of three words "w<page>x<line>y0 ... y2" (so every word is
// unique and can be found), in a story per page or in one story threaded through all frames.
#pragma once

#include <string>

class WordGridLayout {
public:
    static std::string Make(int pages, int lines, bool oneStory);
};
