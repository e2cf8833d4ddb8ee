#include "PdfInfoCommand.h"

#include <cstdio>
#include <sstream>

#include "INotesImportUtils.h"
#include "PdfAnnotationFacts.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
nlohmann::ordered_json BoxJson(const ASFixedRect& box) {
    return {ASFixedToFloat(box.left), ASFixedToFloat(box.bottom), ASFixedToFloat(box.right),
            ASFixedToFloat(box.top)};
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

// Each annotation in a frame of its own, so that one unreadable entry does not hide the others.
nlohmann::ordered_json PdfInfoCommand::ReadAnnotations(PDPage page) {
    std::vector<PDAnnot> annots;
    std::vector<CosObj> dicts;
    for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i) {
        annots.push_back(PDPageGetAnnot(page, i));
        dicts.push_back(PDAnnotGetCosObj(annots.back()));
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PDAnnot& annot : annots) {
        nlohmann::ordered_json entry;
        if (!PDAnnotIsValid(annot)) {
            list.push_back({{"error", "not an annotation dictionary"}});
            continue;
        }
        DURING
        entry = PdfAnnotationFacts::Read(annot, dicts).ToJson();
        HANDLER
        entry = {{"kind", ASAtomGetString(PDAnnotGetSubtype(annot))}, {"error", ASGetErrorString(ERRORCODE)}};
        END_HANDLER
        list.push_back(entry);
    }
    return list;
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
            out << " (type " << annot["type"].get<int>() << ")\n"
                << PdfAnnotationFacts::TextOf(annot, "    ");
        }
    }
    return out.str();
}
