#include "NotesPDFAnnotationReader.h"

#include <array>
#include <charconv>
#include <memory>

#include "INotesColorManager.h"
#include "host/database/IDataBase.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/InterfacePtr.h"
#include "lifecycle/NotesFailureLog.h"

namespace {
// Host arrowhead classes that PDF line endings map to.
constexpr ClassID kArrowHeadOpen = 0x5A03;
constexpr ClassID kArrowHeadClosed = 0x5A04;
constexpr ClassID kArrowHeadDiamond = 0x5A07;
constexpr ClassID kArrowHeadCircle = 0x5A09;
constexpr ClassID kArrowHeadSquare = 0x5A0B;
constexpr ClassID kArrowHeadBar = 0x5A0D;

// PDF numbers are read as 16.16 fixed-point values, as the library hands out coordinates.
PMReal RealOf(CosObj number) {
    return CosFixedValue(number) * 1.52587890625e-05;
}

PMReal RealOf(ASFixed value) {
    return value * 1.52587890625e-05;
}

bool IsPresent(CosObj obj) {
    return CosObjGetType(obj) != CosNull;
}

bool NameIs(ASAtom atom, std::string_view name) {
    return ASAtomGetString(atom) == name;
}

struct TextDestroyer {
    void operator()(ASTextRec* text) const { ASTextDestroy(text); }
};
using OwnedText = std::unique_ptr<ASTextRec, TextDestroyer>;

struct StreamCloser {
    void operator()(ASStmRec* stream) const { ASStmClose(stream); }
};
using OwnedStream = std::unique_ptr<ASStmRec, StreamCloser>;

// Dash arrays only decide the style; their values are read (so a malformed entry fails the annotation
// as the other readers do) and dropped.
void ReadDashes(CosObj cosArray) {
    const ASTArraySize count = CosArrayLength(cosArray);
    for (ASTArraySize i = 0; i < count; ++i)
        (void)RealOf(CosArrayGet(cosArray, i));
}

void ApplyBorderStyle(CosObj cosBorderStyle, NotesPDFAnnotationReader::Border* border) {
    border->width = IsPresent(CosDictGetKeyString(cosBorderStyle, "W"))
                        ? RealOf(CosDictGetKeyString(cosBorderStyle, "W"))
                        : 1.0; // the PDF default width
    const CosObj cosStyleName = CosDictGetKeyString(cosBorderStyle, "S");
    if (!IsPresent(cosStyleName) || !NameIs(CosNameValue(cosStyleName), "D"))
        return;
    const CosObj cosArray = CosDictGetKeyString(cosBorderStyle, "D");
    if (NOTES_CHECK_TRUE(CosObjGetType(cosArray) != CosNull)) {
        ReadDashes(cosArray);
        border->style = NotesPDFAnnotationReader::kDashedBorder;
    }
}

void ApplyBorderEffect(CosObj cosBorderEffect, NotesPDFAnnotationReader::Border* border) {
    const CosObj cosStyleName = CosDictGetKeyString(cosBorderEffect, "S");
    if (!NOTES_CHECK_TRUE(CosObjGetType(cosStyleName) != CosNull))
        return;
    if (!NameIs(CosNameValue(cosStyleName), "C"))
        return;
    const CosObj cosInteger = CosDictGetKeyString(cosBorderEffect, "I");
    if (!NOTES_CHECK_TRUE(CosObjGetType(cosInteger) != CosNull))
        return;
    border->style = CosIntegerValue(cosInteger) <= 1 ? NotesPDFAnnotationReader::kCloudyBorder
                                                     : NotesPDFAnnotationReader::kIntenseCloudyBorder;
}

// The appearance's Matrix (6 numbers) applied to a point; none when Matrix or BBox is unusable.
std::optional<PMPoint> ThroughAppearanceMatrix(CosObj appearance, const PMPoint& point) {
    const CosObj cosMatrix = CosDictGetKeyString(appearance, "Matrix");
    const CosObj cosBBox = CosDictGetKeyString(appearance, "BBox");
    if (CosObjGetType(cosMatrix) != CosArray || CosObjGetType(cosBBox) != CosArray)
        return std::nullopt;
    if (!NOTES_CHECK_TRUE(CosArrayLength(cosMatrix) == 6) || !NOTES_CHECK_TRUE(CosArrayLength(cosBBox) == 4))
        return std::nullopt;
    std::array<PMReal, 6> m{};
    for (ASTArraySize i = 0; i < 6; ++i)
        m[static_cast<size_t>(i)] = RealOf(CosArrayGet(cosMatrix, i));
    for (ASTArraySize i = 0; i < 4; ++i)
        (void)RealOf(CosArrayGet(cosBBox, i)); // a BBox must hold numbers, though only the matrix is used
    return PMMatrix(m[0], m[1], m[2], m[3], m[4], m[5]).TransformPoint(point);
}

// The start of an appearance stream, decoded, as the scanner reads it: at most
// kCaretAppearanceBytes bytes, up to the first zero byte.
std::string ReadAppearanceStart(CosObj appearance) {
    std::array<char, NotesPDFAnnotationReader::kCaretAppearanceBytes> buffer{};
    ASTArraySize read = 0;
    {
        OwnedStream stream(CosStreamOpenStm(appearance, cosOpenFiltered));
        read = ASStmRead(buffer.data(), 1, static_cast<ASTArraySize>(buffer.size()), stream.get());
    }
    const std::string_view bytes(buffer.data(), static_cast<size_t>(std::max<ASTArraySize>(read, 0)));
    return std::string(bytes.substr(0, bytes.find('\0')));
}

// A number token: its leading decimal number, 0 when it does not start with one.
PMReal NumberOf(const std::string& token) {
    double value = 0.0;
    const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

bool IsTokenChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
}
} // namespace

INotesAnnotation::NotesAnnotationType NotesPDFAnnotationReader::TypeOfSubtype(ASAtom subtype) {
    using A = INotesAnnotation;
    static constexpr std::pair<std::string_view, A::NotesAnnotationType> kTypes[] = {
        {"Popup", A::kPopupAnnotation},         {"Text", A::kStickyNoteAnnotation},
        {"Highlight", A::kHighlightAnnotation}, {"StrikeOut", A::kStrikethroughAnnotation},
        {"Underline", A::kUnderlineAnnotation}, {"Squiggly", A::kSquigglyAnnotation},
        {"Redact", A::kRedactionAnnotation},    {"Caret", A::kCaretAnnotation},
        {"Line", A::kLineAnnotation},           {"PolyLine", A::kPolyLineAnnotation},
        {"Polygon", A::kPolygonAnnotation},     {"Circle", A::kCircleAnnotation},
        {"Square", A::kSquareAnnotation},       {"FreeText", A::kFreeTextAnnotation}};
    for (const auto& [name, type] : kTypes)
        if (NameIs(subtype, name))
            return type;
    return A::kUnknownAnnotation;
}

PMString NotesPDFAnnotationReader::GetString(CosObj dict, const char* key) {
    PMString result;
    const CosObj cosString = CosDictGetKeyString(dict, key);
    if (!IsPresent(cosString))
        return result;
    ASTArraySize length = 0;
    const char* bytes = CosStringValue(cosString, &length);
    OwnedText text(ASTextFromSizedPDText(bytes, length));
    const ASUTF16Val* units = ASTextGetUnicode(text.get());
    result.Append(PMString(std::u16string(units, units + ASTextGetUnicodeLength(text.get()))));
    return result;
}

NotesPDFAnnotationReader::Border NotesPDFAnnotationReader::GetBorder(CosObj dict) {
    Border border;
    const CosObj cosBorderStyle = CosDictGetKeyString(dict, "BS");
    if (IsPresent(cosBorderStyle))
        ApplyBorderStyle(cosBorderStyle, &border);
    // A cloudy effect wins over a dashed style.
    const CosObj cosBorderEffect = CosDictGetKeyString(dict, "BE");
    if (IsPresent(cosBorderEffect))
        ApplyBorderEffect(cosBorderEffect, &border);
    return border;
}

ClassID NotesPDFAnnotationReader::GetLineEnding(CosObj name) {
    static constexpr std::pair<std::string_view, ClassID> kArrowHeads[] = {
        {"Square", kArrowHeadSquare},  {"Circle", kArrowHeadCircle},      {"Diamond", kArrowHeadDiamond},
        {"OpenArrow", kArrowHeadOpen}, {"ClosedArrow", kArrowHeadClosed}, {"Butt", kArrowHeadBar},
        {"ROpenArrow", kArrowHeadBar}, {"RClosedArrow", kArrowHeadBar},   {"Slash", kArrowHeadBar}};
    const ASAtom atom = CosNameValue(name);
    for (const auto& [endName, arrowHead] : kArrowHeads)
        if (NameIs(atom, endName))
            return arrowHead;
    return kInvalidClass;
}

PMPointList NotesPDFAnnotationReader::GetPoints(CosObj dict, const char* key,
                                                const NotesPDFPageFrame& frame) {
    PMPointList points;
    const CosObj cosArray = CosDictGetKeyString(dict, key);
    if (!IsPresent(cosArray))
        return points;
    const ASTArraySize length = CosArrayLength(cosArray);
    for (ASTArraySize i = 0; i + 1 < length; i += 2)
        points.push_back(
            frame.ConvertPoint(RealOf(CosArrayGet(cosArray, i)), RealOf(CosArrayGet(cosArray, i + 1))));
    return points;
}

PMRect NotesPDFAnnotationReader::GetRect(PDAnnot annot, const NotesPDFPageFrame& frame) {
    ASFixedRect rect;
    PDAnnotGetRect(annot, &rect);
    return frame.ConvertRect(RealOf(rect.left), RealOf(rect.top), RealOf(rect.right), RealOf(rect.bottom));
}

std::vector<PMReal> NotesPDFAnnotationReader::GetColorComponents(CosObj dict, const char* key) {
    std::vector<PMReal> components;
    const CosObj cosArray = CosDictGetKeyString(dict, key);
    if (!IsPresent(cosArray))
        return components;
    const ASTArraySize cosArrayLen = CosArrayLength(cosArray);
    if (!NOTES_CHECK_TRUE(cosArrayLen > 0))
        return components;
    for (ASTArraySize i = 0; i < cosArrayLen; ++i)
        components.push_back(RealOf(CosArrayGet(cosArray, i)));
    return components;
}

UID NotesPDFAnnotationReader::GetColor(CosObj dict, const char* key, IDataBase* database, int32 annotType) {
    if (!NOTES_CHECK_NIL(database))
        return kInvalidUID;
    const std::vector<PMReal> components = GetColorComponents(dict, key);
    if (components.empty())
        return kInvalidUID;
    InterfacePtr<INotesColorManager> colorManager(UIDRef(database, database->GetRootUID()),
                                                  IID_INOTESCOLORMANAGER);
    if (!NOTES_CHECK_NIL(colorManager))
        return kInvalidUID;
    return colorManager->GetColor(components, annotType);
}

std::optional<PMPoint> NotesPDFAnnotationReader::GetCaretPoint(CosObj dict, const PMRect& caretRect) {
    const CosObj appearance = CosDictGetKeyString(CosDictGetKeyString(dict, "AP"), "N");
    if (CosObjGetType(appearance) != CosStream)
        return std::nullopt;
    const std::optional<PMPoint> start = ScanCaretPathStart(ReadAppearanceStart(appearance));
    if (!start)
        return std::nullopt;
    const std::optional<PMPoint> point = ThroughAppearanceMatrix(appearance, *start);
    if (!point)
        return std::nullopt;
    return PMPoint(caretRect.Left() + point->X(), caretRect.Bottom() - point->Y());
}

// Letters, digits and "." build a token; any other byte ends it. A token whose last character is a
// digit or "." is a number; any other token (the empty one too) is a word. The path operators m and l
// answer the two numbers before them, c its last two of six; every other word clears the numbers.
// A token still open at the end of the text is dropped, and a minus sign is a separator, so negative
// coordinates lose their sign. An operator with too few numbers before it ends the scan without a
// point.
std::optional<PMPoint> NotesPDFAnnotationReader::ScanCaretPathStart(std::string_view text) {
    std::vector<PMReal> numbers;
    std::string token;
    bool endsInNumber = false;
    for (const char c : text) {
        if (IsTokenChar(c)) {
            token += c;
            endsInNumber = (c >= '0' && c <= '9') || c == '.';
            continue;
        }
        if (endsInNumber) {
            numbers.push_back(NumberOf(token));
        } else if (token == "m" || token == "l") {
            if (numbers.size() < 2)
                return std::nullopt;
            return PMPoint(numbers[0], numbers[1]);
        } else if (token == "c") {
            if (numbers.size() < 6)
                return std::nullopt;
            return PMPoint(numbers[4], numbers[5]);
        } else {
            numbers.clear();
        }
        token.clear();
        endsInNumber = false;
    }
    return std::nullopt;
}

std::optional<IDTime> NotesPDFAnnotationReader::GetDate(PDAnnot annot) {
    ASTimeRec date;
    if (!PDAnnotGetDate(annot, &date))
        return std::nullopt;
    return IDTime::FromCalendar(date.year, date.month, date.day, date.hour, date.minute, date.second);
}
