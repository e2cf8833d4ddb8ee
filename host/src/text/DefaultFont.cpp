#include "DefaultFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

namespace {
// Control characters other than tab (returns, line feeds, table anchors) take no room and show nothing.
bool IsInvisibleControl(UTF16TextChar c) {
    return (c < 0x20 && c != kTextChar_Tab) || c == 0x7F;
}

hb_feature_t NoLigatures() {
    hb_feature_t feature;
    hb_feature_from_string("-liga", -1, &feature);
    return feature;
}
} // namespace

DefaultFont& DefaultFont::Instance() {
    static DefaultFont font;
    return font;
}

DefaultFont::DefaultFont() {
    if (FT_Init_FreeType(&fLibrary) != 0 || FT_New_Face(fLibrary, kPath, 0, &fFace) != 0 ||
        fFace->units_per_EM == 0)
        return;
    const unsigned upem = fFace->units_per_EM;
    fPointsPerUnit = kSize / upem;
    fAscent = fFace->ascender * fPointsPerUnit;
    fDescent = -fFace->descender * fPointsPerUnit;
    hb_blob_t* blob = hb_blob_create_from_file(kPath);
    hb_face_t* face = hb_face_create(blob, 0);
    fFont = hb_font_create(face);
    hb_font_set_scale(fFont, static_cast<int>(upem), static_cast<int>(upem));
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    fBuffer = hb_buffer_create();
}

DefaultFont::~DefaultFont() {
    if (fBuffer)
        hb_buffer_destroy(fBuffer);
    if (fFont)
        hb_font_destroy(fFont);
    if (fFace)
        FT_Done_Face(fFace);
    if (fLibrary)
        FT_Done_FreeType(fLibrary);
}

void DefaultFont::Shape(const std::u16string& text, TextIndex start, int32 length, ShapedParagraph* out) {
    out->glyphs.clear();
    out->advances.clear();
    out->clusters.clear();
    if (length <= 0)
        return;
    if (!IsLoaded()) {
        ShapeWithFallback(text, start, length, out);
        return;
    }
    hb_buffer_clear_contents(fBuffer);
    hb_buffer_add_utf16(fBuffer, reinterpret_cast<const uint16_t*>(text.data()),
                        static_cast<int>(text.size()), static_cast<unsigned>(start), length);
    // Left to right in logical order, so composed x grows with the text index.
    hb_buffer_set_direction(fBuffer, HB_DIRECTION_LTR);
    hb_buffer_guess_segment_properties(fBuffer);
    hb_buffer_set_cluster_level(fBuffer, HB_BUFFER_CLUSTER_LEVEL_MONOTONE_CHARACTERS);
    static const hb_feature_t noLigatures = NoLigatures();
    hb_shape(fFont, fBuffer, &noLigatures, 1);

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(fBuffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(fBuffer, &count);
    out->glyphs.reserve(count);
    out->advances.reserve(count);
    out->clusters.reserve(count + 1); // one per glyph at most, and one for units before the first
    for (unsigned g = 0; g < count; ++g) {
        out->glyphs.push_back(infos[g].codepoint);
        out->advances.push_back(positions[g].x_advance * fPointsPerUnit);
    }
    for (unsigned g = 0; g < count;) {
        unsigned next = g;
        PMReal width = 0.0;
        for (; next < count && infos[next].cluster == infos[g].cluster; ++next)
            width += out->advances[next];
        out->clusters.push_back(ShapedCluster{static_cast<int32>(infos[g].cluster) - start, 0,
                                              static_cast<int32>(g), static_cast<int16>(next - g), 0, width});
        g = next;
    }
    GroupClusters(text, start, length, out);
}

void DefaultFont::ShapeWithFallback(const std::u16string& text, TextIndex start, int32 length,
                                    ShapedParagraph* out) const {
    for (int32 offset = 0; offset < length; ++offset) {
        out->clusters.push_back(
            ShapedCluster{offset, 0, static_cast<int32>(out->glyphs.size()), 1, 0, kSize * 0.6});
        out->glyphs.push_back(0);
        out->advances.push_back(kSize * 0.6);
        const bool pair = offset + 1 < length && IsHighSurrogate(text[static_cast<size_t>(start + offset)]) &&
                          IsLowSurrogate(text[static_cast<size_t>(start + offset + 1)]);
        offset += pair ? 1 : 0;
    }
    GroupClusters(text, start, length, out);
}

// Gives every cluster its code units (up to the next cluster) and first unit; units before the
// first glyph become a cluster of their own; control characters lose their glyphs and width.
void DefaultFont::GroupClusters(const std::u16string& text, TextIndex start, int32 length,
                                ShapedParagraph* out) const {
    std::vector<ShapedCluster>& clusters = out->clusters;
    if (clusters.empty() || clusters.front().offset > 0)
        clusters.insert(clusters.begin(), ShapedCluster{0, 0, 0, 0, 0, 0.0});
    for (size_t c = 0; c < clusters.size(); ++c) {
        ShapedCluster& cluster = clusters[c];
        cluster.units = (c + 1 < clusters.size() ? clusters[c + 1].offset : length) - cluster.offset;
        cluster.firstUnit = text[static_cast<size_t>(start + cluster.offset)];
        if (IsInvisibleControl(cluster.firstUnit)) {
            cluster.glyphCount = 0;
            cluster.width = 0.0;
        }
    }
}
