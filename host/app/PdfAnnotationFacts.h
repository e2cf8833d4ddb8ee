// PdfAnnotationFacts: what one PDF annotation says, read with the host's PDF library for pagehost
// pdfinfo: its kind and the annotation type the import gives it, rectangle, points, strings, date,
// colours, border (width and the import's style code), line endings, flags and popup link. Values are
// as the file states them, in PDF user space (y upwards). Reading runs inside the caller's exception
// frame; a malformed value raises there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/pdf/PdfLibrary.h"

class PdfAnnotationFacts {
public:
    // siblings: the page's annotations, to name the popup by its index on the page.
    static PdfAnnotationFacts Read(PDAnnot annot, const std::vector<CosObj>& siblings);

    nlohmann::ordered_json ToJson() const;
    // The facts of ToJson as indented lines of text, one fact a line; facts the annotation does not
    // have are left out.
    static std::string TextOf(const nlohmann::ordered_json& facts, const std::string& indent);

private:
    static int TypeOf(const std::string& subtype);
    static void ReadBorder(CosObj dict, PdfAnnotationFacts* facts);
    static std::vector<double> Numbers(CosObj dict, const char* key);
    static std::optional<std::string> Text(CosObj dict, const char* key);
    static std::string DateText(const ASTimeRec& date);

    std::string fSubtype;
    int fType = 0;
    std::vector<double> fRect;
    std::string fPointsKey;
    std::vector<double> fPoints;
    std::optional<std::string> fAuthor;
    std::optional<std::string> fDate;
    std::optional<std::string> fContent;
    std::optional<std::string> fOverlayText;
    std::vector<double> fColor;
    std::vector<double> fInteriorColor;
    double fBorderWidth = 1.0;
    int fBorderStyle = 1;
    std::vector<std::string> fLineEndings;
    int fFlags = 0;
    std::optional<int> fPopupIndex;
};
