#include "NotesPDFAnnotationReader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;
using Values = NotesPDFAnnotationValues;

// Host arrowhead classes that PDF line endings map to.
constexpr ClassID kArrowHeadOpen = 0x5A03;
constexpr ClassID kArrowHeadClosed = 0x5A04;
constexpr ClassID kArrowHeadDiamond = 0x5A07;
constexpr ClassID kArrowHeadCircle = 0x5A09;
constexpr ClassID kArrowHeadSquare = 0x5A0B;
constexpr ClassID kArrowHeadBar = 0x5A0D;

// The largest magnitude a 16.16 coordinate holds; larger rectangle numbers would be clipped silently.
constexpr double kLargestCoordinate = 32767.0;
// Annotation flags are a 32-bit field.
constexpr double kLargestFlags = 4294967295.0;

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

bool IsNumber(CosObj obj) {
    return CosObjGetType(obj) == CosInteger || CosObjGetType(obj) == CosFixed;
}

// Whether one of the first count numbers of an array lies beyond what a 16.16 coordinate holds;
// such a number would be clipped silently.
bool HasNumberBeyondCoordinates(CosObj array, ASTArraySize count) {
    if (CosObjGetType(array) != CosArray)
        return false;
    for (ASTArraySize i = 0; i < std::min(CosArrayLength(array), count); ++i) {
        const CosObj number = CosArrayGet(array, i);
        if (IsNumber(number) && std::fabs(CosFloatValue(number)) > kLargestCoordinate)
            return true;
    }
    return false;
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

void ApplyBorderStyle(CosObj cosBorderStyle, Values* values) {
    values->borderWidth = IsPresent(CosDictGetKeyString(cosBorderStyle, "W"))
                              ? RealOf(CosDictGetKeyString(cosBorderStyle, "W"))
                              : 1.0; // the PDF default width
    const CosObj cosStyleName = CosDictGetKeyString(cosBorderStyle, "S");
    if (!IsPresent(cosStyleName) || !NameIs(CosNameValue(cosStyleName), "D"))
        return;
    const CosObj cosArray = CosDictGetKeyString(cosBorderStyle, "D");
    if (NOTES_CHECK_TRUE(CosObjGetType(cosArray) != CosNull)) {
        ReadDashes(cosArray);
        values->borderStyle = Values::kDashedBorder;
    }
}

// The older Border array (horizontal and vertical corner radius, width, optional dash array) stands
// for a missing BS: its width, and the dashed style when it has a dash array. An array of another
// length, or anything but an array, is logged and leaves the default border.
void ApplyBorderArray(CosObj cosBorder, Values* values) {
    if (!NOTES_CHECK_TRUE(CosObjGetType(cosBorder) == CosArray))
        return;
    const ASTArraySize length = CosArrayLength(cosBorder);
    if (!NOTES_CHECK_TRUE(length == 3 || length == 4))
        return;
    values->borderWidth = RealOf(CosArrayGet(cosBorder, 2));
    if (length == 4 && CosObjGetType(CosArrayGet(cosBorder, 3)) == CosArray) {
        ReadDashes(CosArrayGet(cosBorder, 3));
        values->borderStyle = Values::kDashedBorder;
    }
}

void ApplyBorderEffect(CosObj cosBorderEffect, Values* values) {
    const CosObj cosStyleName = CosDictGetKeyString(cosBorderEffect, "S");
    if (!NOTES_CHECK_TRUE(CosObjGetType(cosStyleName) != CosNull))
        return;
    if (!NameIs(CosNameValue(cosStyleName), "C"))
        return;
    const CosObj cosInteger = CosDictGetKeyString(cosBorderEffect, "I");
    if (!NOTES_CHECK_TRUE(CosObjGetType(cosInteger) != CosNull))
        return;
    values->borderStyle =
        CosIntegerValue(cosInteger) <= 1 ? Values::kCloudyBorder : Values::kIntenseCloudyBorder;
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

// "Its QuadPoints entry cannot be read: a number was expected." from the entry and the library's
// own sentence.
std::string MalformedReason(const char* key, ASErrorCode code) {
    std::string why = ASGetErrorString(code);
    if (!why.empty() && why[0] >= 'A' && why[0] <= 'Z' && !(why.size() > 1 && why[1] >= 'A' && why[1] <= 'Z'))
        why[0] = static_cast<char>(why[0] - 'A' + 'a');
    return std::string("Its ") + key + " entry cannot be read: " + why;
}
} // namespace

// Where the reading stands: the entry being read names the fault when a library call raises, and a
// number beyond its range ends the reading with that reason.
class NotesPDFAnnotationReader::Cursor {
public:
    void At(const char* key) { fKey = key; }
    const char* Key() const { return fKey; }
    void OutOfRange(std::string reason) {
        fOutOfRange = true;
        fReason = std::move(reason);
    }
    bool IsOutOfRange() const { return fOutOfRange; }
    const std::string& Reason() const { return fReason; }

private:
    const char* fKey = "Subtype";
    bool fOutOfRange = false;
    std::string fReason;
};

NotesPDFAnnotationRead NotesPDFAnnotationReader::Read(PDAnnot annot) {
    NotesPDFAnnotationRead read;
    Cursor cursor;
    DURING
    if (!PDAnnotIsValid(annot)) {
        read.error = NotesPDFAnnotationRead::kNotAnAnnotation;
        read.reason = "The entry is not an annotation dictionary.";
    } else {
        ReadValues(annot, cursor, &read.values);
    }
    HANDLER
    read.error = NotesPDFAnnotationRead::kMalformed;
    read.reason = MalformedReason(cursor.Key(), ERRORCODE);
    END_HANDLER
    if (cursor.IsOutOfRange()) {
        read.error = NotesPDFAnnotationRead::kOutOfRange;
        read.reason = cursor.Reason();
    }
    return read;
}

void NotesPDFAnnotationReader::ReadValues(PDAnnot annot, Cursor& cursor, Values* values) {
    const CosObj dict = PDAnnotGetCosObj(annot);
    const ASAtom subtype = PDAnnotGetSubtype(annot);
    values->subtype = subtype == ASAtomNull ? "" : ASAtomGetString(subtype);
    values->type = TypeOfSubtype(subtype);
    values->flags = ReadFlags(dict, cursor);
    ReadRect(annot, cursor, values);
    if (cursor.IsOutOfRange())
        return;
    cursor.At("BS");
    ReadBorder(dict, values);
    cursor.At("C");
    values->color = GetColorComponents(dict, "C");
    cursor.At("Contents");
    values->content = GetString(dict, "Contents");
    cursor.At("M");
    ASTimeRec date;
    if (PDAnnotGetDate(annot, &date))
        values->date = date;
    cursor.At("T");
    values->author = GetString(dict, "T");
    cursor.At("Popup");
    values->popup = CosDictGetKeyString(dict, "Popup");
    cursor.At("IRT");
    values->inReplyTo = CosDictGetKeyString(dict, "IRT");
    ReadByType(dict, cursor, values);
}

uint32 NotesPDFAnnotationReader::ReadFlags(CosObj dict, Cursor& cursor) {
    cursor.At("F");
    const CosObj flags = CosDictGetKeyString(dict, "F");
    if (!IsNumber(flags))
        return 0;
    const double value = CosFloatValue(flags);
    if (value < 0 || value > kLargestFlags) {
        cursor.OutOfRange("Its flags (F) are a number beyond the 32 bits they may have.");
        return 0;
    }
    return static_cast<uint32>(value);
}

void NotesPDFAnnotationReader::ReadRect(PDAnnot annot, Cursor& cursor, Values* values) {
    cursor.At("Rect");
    const CosObj rect = CosDictGetKeyString(PDAnnotGetCosObj(annot), "Rect");
    if (HasNumberBeyondCoordinates(rect, 4)) {
        cursor.OutOfRange("Its rectangle (Rect) lies beyond 32767 points from the page origin.");
        return;
    }
    ASFixedRect box;
    PDAnnotGetRect(annot, &box);
    values->rect = {RealOf(box.left), RealOf(box.bottom), RealOf(box.right), RealOf(box.top)};
}

void NotesPDFAnnotationReader::ReadByType(CosObj dict, Cursor& cursor, Values* values) {
    const auto points = [&](const char* key) {
        cursor.At(key);
        values->pointsKey = key;
        if (HasNumberBeyondCoordinates(CosDictGetKeyString(dict, key),
                                       std::numeric_limits<ASTArraySize>::max())) {
            cursor.OutOfRange(std::string("Its points (") + key +
                              ") lie beyond 32767 points from the page origin.");
            return;
        }
        values->points = GetPoints(dict, key);
    };
    const auto interior = [&] {
        cursor.At("IC");
        values->interiorColor = GetColorComponents(dict, "IC");
    };
    switch (values->type) {
    case A::kHighlightAnnotation:
    case A::kStrikethroughAnnotation:
    case A::kUnderlineAnnotation:
    case A::kSquigglyAnnotation:
        points("QuadPoints");
        break;
    case A::kRedactionAnnotation:
        points("QuadPoints");
        cursor.At("OverlayText");
        values->overlayText = GetString(dict, "OverlayText");
        interior();
        break;
    case A::kCaretAnnotation:
        cursor.At("AP");
        values->caretPoint = GetAppearancePoint(dict);
        break;
    case A::kLineAnnotation:
        points("L");
        cursor.At("LE");
        ReadLineEndings(dict, false, values);
        break;
    case A::kPolyLineAnnotation:
    case A::kPolygonAnnotation:
        points("Vertices");
        cursor.At("LE");
        if (values->type == A::kPolyLineAnnotation)
            ReadLineEndings(dict, false, values);
        interior();
        break;
    case A::kCircleAnnotation:
    case A::kSquareAnnotation:
        interior();
        break;
    case A::kFreeTextAnnotation:
        cursor.At("RD");
        values->differences = GetNumbers(dict, "RD");
        if (!values->differences.empty() && !NOTES_CHECK_TRUE(values->differences.size() == 4))
            values->differences.clear();
        cursor.At("CL");
        ReadCallout(dict, values);
        cursor.At("LE");
        ReadLineEndings(dict, true, values);
        interior();
        break;
    case A::kPopupAnnotation:
        cursor.At("Parent");
        values->parent = CosDictGetKeyString(dict, "Parent");
        interior();
        break;
    default:
        break;
    }
}

INotesAnnotation::NotesAnnotationType NotesPDFAnnotationReader::TypeOfSubtype(ASAtom subtype) {
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

std::optional<PMString> NotesPDFAnnotationReader::GetString(CosObj dict, const char* key) {
    const CosObj cosString = CosDictGetKeyString(dict, key);
    if (!IsPresent(cosString))
        return std::nullopt;
    ASTArraySize length = 0;
    const char* bytes = CosStringValue(cosString, &length);
    OwnedText text(ASTextFromSizedPDText(bytes, length));
    const ASUTF16Val* units = ASTextGetUnicode(text.get());
    return PMString(std::u16string(units, units + ASTextGetUnicodeLength(text.get())));
}

void NotesPDFAnnotationReader::ReadBorder(CosObj dict, Values* values) {
    const CosObj cosBorderStyle = CosDictGetKeyString(dict, "BS");
    if (IsPresent(cosBorderStyle))
        ApplyBorderStyle(cosBorderStyle, values);
    else if (const CosObj cosBorder = CosDictGetKeyString(dict, "Border"); IsPresent(cosBorder))
        ApplyBorderArray(cosBorder, values);
    // A cloudy effect wins over a dashed style.
    const CosObj cosBorderEffect = CosDictGetKeyString(dict, "BE");
    if (IsPresent(cosBorderEffect))
        ApplyBorderEffect(cosBorderEffect, values);
}

// Lines and polylines name both ends in an array of two; a free text names the start of its callout.
void NotesPDFAnnotationReader::ReadLineEndings(CosObj dict, bool startOnly, Values* values) {
    const CosObj cosArray = CosDictGetKeyString(dict, "LE");
    if (!IsPresent(cosArray))
        return;
    if (startOnly) {
        values->lineEndings = {ASAtomGetString(CosNameValue(cosArray))};
        values->startArrowhead = GetLineEnding(cosArray);
        return;
    }
    if (CosObjGetType(cosArray) != CosArray || !NOTES_CHECK_TRUE(CosArrayLength(cosArray) == 2))
        return;
    values->lineEndings = {ASAtomGetString(CosNameValue(CosArrayGet(cosArray, 0))),
                           ASAtomGetString(CosNameValue(CosArrayGet(cosArray, 1)))};
    values->startArrowhead = GetLineEnding(CosArrayGet(cosArray, 0));
    values->endArrowhead = GetLineEnding(CosArrayGet(cosArray, 1));
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

// CL lists whole points; an odd count leaves it unclear which number is which, so the callout is dropped.
void NotesPDFAnnotationReader::ReadCallout(CosObj dict, Values* values) {
    const std::vector<PMReal> numbers = GetNumbers(dict, "CL");
    if (!NOTES_CHECK_TRUE(numbers.size() % 2 == 0))
        return;
    for (size_t i = 0; i + 1 < numbers.size(); i += 2)
        values->callout.emplace_back(numbers[i], numbers[i + 1]);
}

PMPointList NotesPDFAnnotationReader::GetPoints(CosObj dict, const char* key) {
    const std::vector<PMReal> numbers = GetNumbers(dict, key);
    PMPointList points;
    for (size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.emplace_back(numbers[i], numbers[i + 1]);
    return points;
}

std::vector<PMReal> NotesPDFAnnotationReader::GetNumbers(CosObj dict, const char* key) {
    std::vector<PMReal> numbers;
    const CosObj cosArray = CosDictGetKeyString(dict, key);
    if (!IsPresent(cosArray))
        return numbers;
    const ASTArraySize length = CosArrayLength(cosArray);
    numbers.reserve(static_cast<size_t>(length));
    for (ASTArraySize i = 0; i < length; ++i)
        numbers.push_back(RealOf(CosArrayGet(cosArray, i)));
    return numbers;
}

std::vector<PMReal> NotesPDFAnnotationReader::GetColorComponents(CosObj dict, const char* key) {
    const CosObj cosArray = CosDictGetKeyString(dict, key);
    if (!IsPresent(cosArray))
        return {};
    const ASTArraySize cosArrayLen = CosArrayLength(cosArray);
    if (!NOTES_CHECK_TRUE(cosArrayLen > 0))
        return {};
    return GetNumbers(dict, key);
}

std::optional<PMPoint> NotesPDFAnnotationReader::GetAppearancePoint(CosObj dict) {
    const CosObj appearance = CosDictGetKeyString(CosDictGetKeyString(dict, "AP"), "N");
    if (CosObjGetType(appearance) != CosStream)
        return std::nullopt;
    const std::optional<PMPoint> start = ScanCaretPathStart(ReadAppearanceStart(appearance));
    if (!start)
        return std::nullopt;
    return ThroughAppearanceMatrix(appearance, *start);
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
