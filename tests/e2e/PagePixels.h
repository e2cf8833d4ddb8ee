// Colours of a page as `pagehost render --scale 2` drew it into a PNG, and as PyMuPDF renders a
// page of a PDF, at points of the page (points from its left-top corner, y down), as RRGGBB.
#pragma once

#include <filesystem>
#include <vector>

#include "host/graphics/PngImage.h"
#include "host/util/Geometry.h"

namespace PagePixels {
// The rendered page has a 36 point margin of pasteboard around it.
uint32 Rendered(const PngImage& png, double x, double y);
// The colours of one page (0-based) of a PDF at the points, through tests/e2e/pdf_pixels.py.
std::vector<uint32> InPdf(const std::filesystem::path& pdf, int page, const std::vector<PMPoint>& points);
} // namespace PagePixels
