#include "PdfAnnotationFacts.h"

#include <cstdio>
#include <sstream>

#include "host/util/UnicodeConversion.h"

namespace {
bool Has(CosObj obj) {
    return CosObjGetType(obj) != CosNull;
}

bool NameIs(CosObj obj, const char* name) {
    return CosObjGetType(obj) == CosName && std::string(ASAtomGetString(CosNameValue(obj))) == name;
}

std::string JoinNumbers(const std::vector<double>& values) {
    std::ostringstream out;
    for (size_t i = 0; i < values.size(); ++i)
        out << (i ? " " : "") << values[i];
    return out.str();
}
} // namespace

PdfAnnotationFacts PdfAnnotationFacts::Read(PDAnnot annot, const std::vector<CosObj>& siblings) {
    PdfAnnotationFacts facts;
    const CosObj dict = PDAnnotGetCosObj(annot);
    facts.fSubtype = ASAtomGetString(PDAnnotGetSubtype(annot));
    facts.fType = TypeOf(facts.fSubtype);
    ASFixedRect rect;
    PDAnnotGetRect(annot, &rect);
    facts.fRect = {ASFixedToFloat(rect.left), ASFixedToFloat(rect.bottom), ASFixedToFloat(rect.right),
                   ASFixedToFloat(rect.top)};
    for (const char* key : {"QuadPoints", "L", "Vertices", "CL"})
        if (Has(CosDictGetKeyString(dict, key))) {
            facts.fPointsKey = key;
            facts.fPoints = Numbers(dict, key);
            break;
        }
    facts.fAuthor = Text(dict, "T");
    facts.fContent = Text(dict, "Contents");
    facts.fOverlayText = Text(dict, "OverlayText");
    ASTimeRec date;
    if (PDAnnotGetDate(annot, &date))
        facts.fDate = DateText(date);
    facts.fColor = Numbers(dict, "C");
    facts.fInteriorColor = Numbers(dict, "IC");
    ReadBorder(dict, &facts);
    const CosObj ends = CosDictGetKeyString(dict, "LE");
    const ASTArraySize endCount = CosObjGetType(ends) == CosArray ? CosArrayLength(ends) : Has(ends) ? 1 : 0;
    for (ASTArraySize i = 0; i < endCount; ++i)
        facts.fLineEndings.push_back(
            ASAtomGetString(CosNameValue(CosObjGetType(ends) == CosArray ? CosArrayGet(ends, i) : ends)));
    const CosObj flags = CosDictGetKeyString(dict, "F");
    facts.fFlags = Has(flags) ? CosIntegerValue(flags) : 0;
    const CosObj popup = CosDictGetKeyString(dict, "Popup");
    for (size_t i = 0; Has(popup) && i < siblings.size(); ++i)
        if (CosObjEqual(popup, siblings[i]))
            facts.fPopupIndex = static_cast<int>(i) + 1;
    return facts;
}

// The import's annotation types; other subtypes are not imported (type 0).
int PdfAnnotationFacts::TypeOf(const std::string& subtype) {
    static const char* const kTypes[] = {"Popup",    "Text",   "Highlight", "StrikeOut", "Underline",
                                         "Squiggly", "Redact", "Caret",     "Line",      "PolyLine",
                                         "Polygon",  "Circle", "Square",    "FreeText"};
    for (int i = 0; i < 14; ++i)
        if (subtype == kTypes[i])
            return i + 1;
    return 0;
}

// The style code the import hands to drawn markups: 1 solid, 3 dashed, 6 and 7 cloudy of intensity
// up to 1 and from 2; a cloudy effect wins over dashes.
void PdfAnnotationFacts::ReadBorder(CosObj dict, PdfAnnotationFacts* facts) {
    const CosObj bs = CosDictGetKeyString(dict, "BS");
    if (Has(CosDictGetKeyString(bs, "W")))
        facts->fBorderWidth = ASFixedToFloat(CosFixedValue(CosDictGetKeyString(bs, "W")));
    if (NameIs(CosDictGetKeyString(bs, "S"), "D") && Has(CosDictGetKeyString(bs, "D")))
        facts->fBorderStyle = 3;
    const CosObj be = CosDictGetKeyString(dict, "BE");
    const CosObj intensity = CosDictGetKeyString(be, "I");
    if (NameIs(CosDictGetKeyString(be, "S"), "C") && Has(intensity))
        facts->fBorderStyle = CosIntegerValue(intensity) <= 1 ? 6 : 7;
}

std::vector<double> PdfAnnotationFacts::Numbers(CosObj dict, const char* key) {
    std::vector<double> values;
    const CosObj array = CosDictGetKeyString(dict, key);
    if (CosObjGetType(array) != CosArray)
        return values;
    for (ASTArraySize i = 0; i < CosArrayLength(array); ++i)
        values.push_back(ASFixedToFloat(CosFixedValue(CosArrayGet(array, i))));
    return values;
}

std::optional<std::string> PdfAnnotationFacts::Text(CosObj dict, const char* key) {
    const CosObj string = CosDictGetKeyString(dict, key);
    if (!Has(string))
        return std::nullopt;
    ASTArraySize length = 0;
    const char* bytes = CosStringValue(string, &length);
    ASText text = ASTextFromSizedPDText(bytes, length);
    const std::u16string units(reinterpret_cast<const char16_t*>(ASTextGetUnicode(text)),
                               static_cast<size_t>(ASTextGetUnicodeLength(text)));
    ASTextDestroy(text);
    return Unicode::UTF16ToUTF8(units);
}

std::string PdfAnnotationFacts::DateText(const ASTimeRec& date) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month, date.day,
                  date.hour, date.minute, date.second);
    std::string result = text;
    if (date.hasGmtOffset) {
        const int offset = date.gmtOffset < 0 ? -date.gmtOffset : date.gmtOffset;
        std::snprintf(text, sizeof text, " %c%02d:%02d", date.gmtOffset < 0 ? '-' : '+', offset / 60,
                      offset % 60);
        result += text;
    }
    return result;
}

nlohmann::ordered_json PdfAnnotationFacts::ToJson() const {
    nlohmann::ordered_json json;
    json["kind"] = fSubtype;
    json["type"] = fType;
    json["rect"] = fRect;
    if (!fPointsKey.empty())
        json["points"] = {{"key", fPointsKey}, {"values", fPoints}};
    const auto optional = [&](const char* key, const std::optional<std::string>& value) {
        json[key] = value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    };
    optional("author", fAuthor);
    optional("date", fDate);
    optional("content", fContent);
    if (fOverlayText)
        json["overlayText"] = *fOverlayText;
    json["color"] = fColor;
    json["interiorColor"] = fInteriorColor;
    json["border"] = {{"width", fBorderWidth}, {"style", fBorderStyle}};
    json["lineEndings"] = fLineEndings;
    json["flags"] = fFlags;
    json["popup"] = fPopupIndex ? nlohmann::ordered_json(*fPopupIndex) : nlohmann::ordered_json(nullptr);
    return json;
}

std::string PdfAnnotationFacts::TextOf(const nlohmann::ordered_json& facts, const std::string& indent) {
    std::ostringstream out;
    const auto numbers = [](const nlohmann::ordered_json& values) {
        return JoinNumbers(values.get<std::vector<double>>());
    };
    const auto line = [&](const char* label, const std::string& value) {
        out << indent << label << ": " << value << "\n";
    };
    line("rect", numbers(facts["rect"]));
    if (facts.contains("points"))
        line(("points (" + facts["points"]["key"].get<std::string>() + ")").c_str(),
             numbers(facts["points"]["values"]));
    for (const char* key : {"author", "date", "content", "overlayText"})
        if (facts.contains(key) && facts[key].is_string())
            line(key, facts[key].get<std::string>());
    if (!facts["color"].empty())
        line("colour", numbers(facts["color"]));
    if (!facts["interiorColor"].empty())
        line("interior colour", numbers(facts["interiorColor"]));
    std::ostringstream border;
    border << "width " << facts["border"]["width"].get<double>() << ", style "
           << facts["border"]["style"].get<int>();
    line("border", border.str());
    if (!facts["lineEndings"].empty()) {
        std::string names;
        for (const auto& name : facts["lineEndings"])
            names += (names.empty() ? "" : " ") + name.get<std::string>();
        line("line endings", names);
    }
    line("flags", std::to_string(facts["flags"].get<int>()));
    if (facts["popup"].is_number())
        line("popup", "annotation " + std::to_string(facts["popup"].get<int>()));
    return out.str();
}
