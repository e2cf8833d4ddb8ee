#include "PdfInfoCommand.h"

#include <cstdio>
#include <optional>
#include <sstream>

#include "INotesImportUtils.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
nlohmann::ordered_json BoxJson(const ASFixedRect& box) {
    return {ASFixedToFloat(box.left), ASFixedToFloat(box.bottom), ASFixedToFloat(box.right),
            ASFixedToFloat(box.top)};
}

nlohmann::ordered_json Numbers(const std::vector<PMReal>& values) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PMReal value : values)
        list.push_back(static_cast<double>(value));
    return list;
}

nlohmann::ordered_json PointNumbers(const PMPointList& points) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PMPoint& p : points) {
        list.push_back(static_cast<double>(p.X()));
        list.push_back(static_cast<double>(p.Y()));
    }
    return list;
}

nlohmann::ordered_json Text(const std::optional<PMString>& text) {
    return text ? nlohmann::ordered_json(text->GetUTF8String()) : nlohmann::ordered_json(nullptr);
}

std::string DateText(const ASTimeRec& date) {
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

std::string JoinNumbers(const nlohmann::ordered_json& values) {
    std::ostringstream out;
    for (size_t i = 0; i < values.size(); ++i)
        out << (i ? " " : "") << values[i].get<double>();
    return out.str();
}

std::string BoxText(const nlohmann::ordered_json& box) {
    if (box.is_null())
        return "none";
    std::ostringstream out;
    out << "[" << box[0].get<double>() << " " << box[1].get<double>() << " " << box[2].get<double>() << " "
        << box[3].get<double>() << "]";
    return out.str();
}

// One sentence: the library's reasons are sentences of their own, so their final stop is dropped.
int Refuse(const std::string& path, std::string reason) {
    if (!reason.empty() && reason.back() == '.')
        reason.pop_back();
    std::fprintf(stderr, "pagehost: cannot read %s: %s.\n", path.c_str(), reason.c_str());
    return 1;
}
} // namespace

PdfInfoCommand::PdfInfoCommand(CLI::App& app) {
    fCommand =
        app.add_subcommand("pdfinfo", "Show the pages and annotations the import would read from a PDF");
    fCommand->add_option("pdf", fPath, "The reviewed PDF")->required();
    fCommand->add_flag("--json", fJson, "Write JSON instead of text");
}

int PdfInfoCommand::Run() const {
    Utils<INotesImportUtils> utils;
    if (!utils)
        return Refuse(fPath, "the Annotations plug-in is not loaded");
    nlohmann::ordered_json info;
    PDDoc doc = nullptr;
    ASErrorCode error = genErrNoError;
    DURING
    doc = utils->OpenPDF(PMString(fPath));
    info = ReadDocument(doc);
    HANDLER
    error = ERRORCODE;
    END_HANDLER
    PDDocClose(doc);
    if (error != genErrNoError)
        return Refuse(fPath, ASGetErrorString(error));
    const std::string text = fJson ? info.dump(2) + "\n" : ToText(info);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

nlohmann::ordered_json PdfInfoCommand::ReadDocument(PDDoc doc) const {
    nlohmann::ordered_json info;
    info["file"] = fPath;
    info["pages"] = nlohmann::ordered_json::array();
    const ASInt32 pageCount = PDDocGetNumPages(doc);
    for (ASInt32 i = 0; i < pageCount; ++i)
        info["pages"].push_back(ReadPage(doc, i));
    return info;
}

nlohmann::ordered_json PdfInfoCommand::ReadPage(PDDoc doc, ASInt32 index) {
    PDPage page = PDDocAcquirePage(doc, index);
    nlohmann::ordered_json json;
    json["number"] = index + 1;
    ASFixedRect box;
    PDPageGetMediaBox(page, &box);
    json["mediaBox"] = BoxJson(box);
    json["trimBox"] = PDPageGetBox(page, ASAtomFromString("TrimBox"), &box) ? BoxJson(box) : nullptr;
    json["annotations"] = ReadAnnotations(page);
    return json;
}

// Each annotation read by the import's own reader, so that pdfinfo shows what the import sees; one
// unreadable entry is listed with its reason and does not hide the others.
nlohmann::ordered_json PdfInfoCommand::ReadAnnotations(PDPage page) {
    Utils<INotesImportUtils> utils;
    std::vector<CosObj> dicts;
    for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i)
        dicts.push_back(PDAnnotGetCosObj(PDPageGetAnnot(page, i)));
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CosObj& dict : dicts) {
        const NotesPDFAnnotationRead read = utils->ReadAnnotation(PDAnnot{dict});
        if (read.error == NotesPDFAnnotationRead::kNotAnAnnotation)
            list.push_back({{"error", read.reason}});
        else if (!read.IsRead())
            list.push_back({{"kind", read.values.subtype}, {"error", read.reason}});
        else
            list.push_back(AnnotationJson(read.values, dicts));
    }
    return list;
}

// siblings: the page's annotations, to name the popup by its index on the page.
nlohmann::ordered_json PdfInfoCommand::AnnotationJson(const NotesPDFAnnotationValues& values,
                                                      const std::vector<CosObj>& siblings) {
    nlohmann::ordered_json json;
    json["kind"] = values.subtype;
    json["type"] = values.type;
    json["rect"] = Numbers({values.rect.left, values.rect.bottom, values.rect.right, values.rect.top});
    if (!values.pointsKey.empty())
        json["points"] = {{"key", values.pointsKey}, {"values", PointNumbers(values.points)}};
    else if (!values.callout.empty())
        json["points"] = {{"key", "CL"}, {"values", PointNumbers(values.callout)}};
    json["author"] = Text(values.author);
    json["date"] =
        values.date ? nlohmann::ordered_json(DateText(*values.date)) : nlohmann::ordered_json(nullptr);
    json["content"] = Text(values.content);
    if (values.overlayText)
        json["overlayText"] = values.overlayText->GetUTF8String();
    json["color"] = Numbers(values.color);
    json["interiorColor"] = Numbers(values.interiorColor);
    json["border"] = {{"width", static_cast<double>(values.borderWidth)}, {"style", values.borderStyle}};
    json["lineEndings"] = values.lineEndings;
    json["flags"] = values.flags;
    json["popup"] = nullptr;
    for (size_t i = 0; CosObjGetType(values.popup) != CosNull && i < siblings.size(); ++i)
        if (CosObjEqual(values.popup, siblings[i])) {
            json["popup"] = static_cast<int>(i) + 1;
            break;
        }
    return json;
}

// The facts of AnnotationJson as indented lines of text, one fact a line; facts the annotation does
// not have are left out.
std::string PdfInfoCommand::AnnotationText(const nlohmann::ordered_json& facts, const std::string& indent) {
    std::ostringstream out;
    const auto line = [&](const std::string& label, const std::string& value) {
        out << indent << label << ": " << value << "\n";
    };
    line("rect", JoinNumbers(facts["rect"]));
    if (facts.contains("points"))
        line("points (" + facts["points"]["key"].get<std::string>() + ")",
             JoinNumbers(facts["points"]["values"]));
    for (const char* key : {"author", "date", "content", "overlayText"})
        if (facts.contains(key) && facts[key].is_string())
            line(key, facts[key].get<std::string>());
    if (!facts["color"].empty())
        line("colour", JoinNumbers(facts["color"]));
    if (!facts["interiorColor"].empty())
        line("interior colour", JoinNumbers(facts["interiorColor"]));
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
    line("flags", std::to_string(facts["flags"].get<uint32>()));
    if (facts["popup"].is_number())
        line("popup", "annotation " + std::to_string(facts["popup"].get<int>()));
    return out.str();
}

std::string PdfInfoCommand::ToText(const nlohmann::ordered_json& info) {
    std::ostringstream out;
    for (const auto& page : info["pages"]) {
        out << "page " << page["number"].get<int>() << ": MediaBox " << BoxText(page["mediaBox"])
            << ", TrimBox " << BoxText(page["trimBox"]) << "\n";
        int n = 0;
        for (const auto& annot : page["annotations"]) {
            out << "  annotation " << ++n << ": " << annot.value("kind", std::string("?"));
            if (annot.contains("error")) {
                out << " (unreadable: " << annot["error"].get<std::string>() << ")\n";
                continue;
            }
            out << " (type " << annot["type"].get<int>() << ")\n" << AnnotationText(annot, "    ");
        }
    }
    return out.str();
}
