// Where PyMuPDF finds words in a US Letter proof (tests/e2e/pdf_word_boxes.py), for end-to-end tests
// that check what landed against the proof's own text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The first occurrence of the word in the PDF as x0, y0, x1, y1 in page coordinates (origin at the
// top-left corner of the 792 pt high page, y down); a test failure and zeros when it is not found.
std::vector<double> ProofWordBox(const std::filesystem::path& pdf, const std::string& word);
