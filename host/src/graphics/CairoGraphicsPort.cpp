#include "host/graphics/CairoGraphicsPort.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>

#include "CairoFontCache.h"
#include "host/util/UnicodeConversion.h"

void CairoGraphicsPort::gsave() {
    cairo_save(fContext);
}
void CairoGraphicsPort::grestore() {
    cairo_restore(fContext);
}

void CairoGraphicsPort::concat(const PMMatrix& m) {
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, m.A(), m.B(), m.C(), m.D(), m.Tx(), m.Ty());
    cairo_transform(fContext, &matrix);
}

void CairoGraphicsPort::newpath() {
    cairo_new_path(fContext);
}
void CairoGraphicsPort::moveto(PMReal x, PMReal y) {
    cairo_move_to(fContext, x, y);
}
void CairoGraphicsPort::lineto(PMReal x, PMReal y) {
    cairo_line_to(fContext, x, y);
}
void CairoGraphicsPort::curveto(PMReal x1, PMReal y1, PMReal x2, PMReal y2, PMReal x3, PMReal y3) {
    cairo_curve_to(fContext, x1, y1, x2, y2, x3, y3);
}
void CairoGraphicsPort::closepath() {
    cairo_close_path(fContext);
}
void CairoGraphicsPort::rectpath(const PMRect& r) {
    cairo_rectangle(fContext, r.Left(), r.Top(), r.Width(), r.Height());
}
void CairoGraphicsPort::setrgbcolor(PMReal red, PMReal green, PMReal blue) {
    cairo_set_source_rgb(fContext, red, green, blue);
}

void CairoGraphicsPort::setlinewidth(PMReal width) {
    if (width > 0) {
        cairo_set_line_width(fContext, width);
        return;
    }
    // A hairline: one device pixel at the current scale.
    double dx = 1.0, dy = 1.0;
    cairo_device_to_user_distance(fContext, &dx, &dy);
    cairo_set_line_width(fContext, std::max(std::fabs(dx), std::fabs(dy)));
}

void CairoGraphicsPort::setdash(const std::vector<PMReal>& lengths, PMReal offset) {
    cairo_set_dash(fContext, lengths.data(), static_cast<int>(lengths.size()), offset);
}

void CairoGraphicsPort::setlinejoin(int32 join) {
    cairo_set_line_join(fContext, join == 1   ? CAIRO_LINE_JOIN_ROUND
                                  : join == 2 ? CAIRO_LINE_JOIN_BEVEL
                                              : CAIRO_LINE_JOIN_MITER);
}

void CairoGraphicsPort::setlinecap(int32 cap) {
    cairo_set_line_cap(fContext, cap == 1   ? CAIRO_LINE_CAP_ROUND
                                 : cap == 2 ? CAIRO_LINE_CAP_SQUARE
                                            : CAIRO_LINE_CAP_BUTT);
}

void CairoGraphicsPort::fill() {
    cairo_fill(fContext);
}

void CairoGraphicsPort::eofill() {
    cairo_set_fill_rule(fContext, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(fContext);
    cairo_set_fill_rule(fContext, CAIRO_FILL_RULE_WINDING);
}

void CairoGraphicsPort::stroke() {
    cairo_stroke(fContext);
}
void CairoGraphicsPort::clip() {
    cairo_clip(fContext);
}

namespace {
// The text as UTF-8 with one cairo cluster per glyph run cluster; clusters of no glyphs give
// their text to the cluster before them (cairo wants glyphs or text in every cluster).
void MakeClusters(const GlyphRun& run, std::string* utf8, std::vector<cairo_text_cluster_t>* clusters) {
    size_t unit = 0;
    for (const GlyphRun::Cluster& cluster : run.clusters) {
        const std::string bytes = Unicode::UTF16ToUTF8(
            std::u16string_view(run.text).substr(unit, static_cast<size_t>(cluster.units)));
        unit += static_cast<size_t>(cluster.units);
        utf8->append(bytes);
        if (cluster.glyphs == 0 && !clusters->empty())
            clusters->back().num_bytes += static_cast<int>(bytes.size());
        else if (cluster.glyphs > 0 || !bytes.empty())
            clusters->push_back({static_cast<int>(bytes.size()), cluster.glyphs});
    }
}

bool ClustersMatch(const GlyphRun& run) {
    size_t units = 0, glyphs = 0;
    for (const GlyphRun::Cluster& cluster : run.clusters) {
        units += static_cast<size_t>(cluster.units);
        glyphs += static_cast<size_t>(cluster.glyphs);
    }
    return units == run.text.size() && glyphs == run.glyphs.size();
}
} // namespace

void CairoGraphicsPort::showglyphs(const GlyphRun& run) {
    cairo_font_face_t* face = CairoFontCache::FaceFor(run.fontPath);
    if (!face || run.glyphs.empty() || run.positions.size() != run.glyphs.size())
        return;
    std::vector<cairo_glyph_t> glyphs;
    for (size_t g = 0; g < run.glyphs.size(); ++g)
        glyphs.push_back({run.glyphs[g], run.positions[g].X(), run.positions[g].Y()});
    cairo_save(fContext);
    cairo_set_font_face(fContext, face);
    cairo_set_font_size(fContext, run.fontSize);
    std::string utf8;
    std::vector<cairo_text_cluster_t> clusters;
    if (ClustersMatch(run))
        MakeClusters(run, &utf8, &clusters);
    if (!clusters.empty())
        cairo_show_text_glyphs(fContext, utf8.data(), static_cast<int>(utf8.size()), glyphs.data(),
                               static_cast<int>(glyphs.size()), clusters.data(),
                               static_cast<int>(clusters.size()), static_cast<cairo_text_cluster_flags_t>(0));
    else
        cairo_show_glyphs(fContext, glyphs.data(), static_cast<int>(glyphs.size()));
    cairo_restore(fContext);
}
