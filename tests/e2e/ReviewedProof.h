// ReviewedProof: the start of every round trip: a document made by `pagehost new` from a layout
// description, its proof exported by `pagehost export-pdf`, and that proof commented by PyMuPDF
// (tools/annotate_pdf.py), in one folder as doc.phd, proof.pdf and reviewed.pdf.
#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

namespace ReviewedProof {
// Writes layout.json and comments.json into dir and makes the three files; fails the test when a
// step fails. Answers the document's path.
std::string Make(const std::filesystem::path& dir, const std::string& layout, const std::string& comments);
// Every note `pagehost notes --json` lists for the document, all pages together.
nlohmann::json AllNotes(const std::string& doc);
// The first page's text as PyMuPDF reads it from the document's proof, exported to pdf.
std::string ProofText(const std::string& doc, const std::filesystem::path& pdf);
} // namespace ReviewedProof
