#include "TextTarget.h"

#include <map>
#include <regex>

#include "INotesAnnotation.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextModel.h"

const char* const TextTarget::kKindWords = "highlight, underline, squiggly, strikeout, caret and replace";

bool TextTarget::ParseRange(const std::string& text, int32_t* start, int32_t* end) {
    static const std::regex kRange(R"(^(\d{1,9}):(\d{1,9})$)");
    std::smatch match;
    if (!std::regex_match(text, match, kRange))
        return false;
    *start = std::stoi(match[1]);
    *end = std::stoi(match[2]);
    return true;
}

std::string TextTarget::Check(IDocument* document, const std::string& documentName, int64_t story,
                              const std::string& rangeText, int32_t start, int32_t end) {
    IDataBase* db = document->GetDocumentDataBase();
    const bool inRange = story > 0 && story <= 0xFFFFFFFFLL;
    const UID uid = inRange ? static_cast<UID>(story) : kInvalidUID;
    InterfacePtr<ITextModel> textModel(inRange && db->IsValidUID(uid) ? UIDRef(db, uid) : UIDRef(),
                                       IID_ITEXTMODEL);
    if (!textModel)
        return "The id " + std::to_string(story) + " names no story of " + documentName + ".";
    if (start > end || end > textModel->TotalLength())
        return "The range " + rangeText + " lies outside story " + std::to_string(story) +
               ", whose text runs from 0 to " + std::to_string(textModel->TotalLength()) + ".";
    return std::string();
}

bool TextTarget::KindOf(const std::string& word, int32_t* type) {
    using A = INotesAnnotation;
    static const std::map<std::string, int32_t> kKinds = {
        {"highlight", A::kHighlightAnnotation}, {"underline", A::kUnderlineAnnotation},
        {"squiggly", A::kSquigglyAnnotation},   {"strikeout", A::kStrikethroughAnnotation},
        {"caret", A::kCaretAnnotation},         {"replace", A::kRedactionAnnotation},
    };
    const auto found = kKinds.find(word);
    if (found == kKinds.end())
        return false;
    *type = found->second;
    return true;
}
