#include "WordGridLayout.h"

std::string WordGridLayout::Make(int pages, int lines, bool oneStory) {
    std::string frames, stories;
    for (int p = 0; p < pages; ++p) {
        std::string paragraphs;
        for (int l = 0; l < lines; ++l) {
            const std::string tag = "w" + std::to_string(p) + "x" + std::to_string(l) + "y";
            paragraphs +=
                std::string(paragraphs.empty() ? "" : ", ") + "\"" + tag + "0 " + tag + "1 " + tag + "2\"";
        }
        const std::string story = oneStory ? "s" : "s" + std::to_string(p);
        frames += std::string(p ? ", " : "") + R"({"page": )" + std::to_string(p + 1) +
                  R"(, "bounds": [72, 72, 540, 506], "story": ")" + story + "\"}";
        if (!oneStory || p == 0)
            stories += std::string(p ? ", " : "") + R"({"id": ")" + story + R"(", "paragraphs": [)";
        stories += (oneStory && p ? ", " : "") + paragraphs;
        if (!oneStory || p == pages - 1)
            stories += "]}";
    }
    std::string spreads;
    for (int p = 0; p < pages; ++p)
        spreads += std::string(p ? ", " : "") + R"({"pages": [{}]})";
    return R"({"pageSize": {"width": 612, "height": 792}, "spreads": [)" + spreads + R"(], "textFrames": [)" +
           frames + R"(], "stories": [)" + stories + "]}";
}
