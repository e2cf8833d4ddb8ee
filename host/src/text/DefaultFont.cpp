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
    *out = ShapedParagraph();
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
    out->pointsPerUnit = fPointsPerUnit;
    out->glyphs.reserve(count);
    out->advanceUnits.reserve(count);
    out->clusters.reserve(count + 2); // one per glyph at most, one for units before the first, the end
    for (unsigned g = 0; g < count;) {
        const uint32 cluster = infos[g].cluster;
        const int32 offset = static_cast<int32>(cluster) - start;
        if (out->clusters.empty() && offset > 0)
            AddCluster(text, start, 0, out); // the units before the first glyph
        const bool shows = AddCluster(text, start, offset, out);
        for (; g < count && infos[g].cluster == cluster; ++g)
            if (shows)
                AddGlyph(infos[g].codepoint, positions[g].x_advance, out);
    }
    CloseClusters(text, start, length, out);
}

void DefaultFont::ShapeWithFallback(const std::u16string& text, TextIndex start, int32 length,
                                    ShapedParagraph* out) const {
    out->pointsPerUnit = kSize * 0.6; // every glyph one unit wide
    for (int32 offset = 0; offset < length; ++offset) {
        if (AddCluster(text, start, offset, out))
            AddGlyph(0, 1, out);
        const bool pair = offset + 1 < length && IsHighSurrogate(text[static_cast<size_t>(start + offset)]) &&
                          IsLowSurrogate(text[static_cast<size_t>(start + offset + 1)]);
        offset += pair ? 1 : 0;
    }
    CloseClusters(text, start, length, out);
}

// Starts a cluster at offset; answers whether its glyphs show (control characters take no room).
bool DefaultFont::AddCluster(const std::u16string& text, TextIndex start, int32 offset,
                             ShapedParagraph* out) {
    const UTF16TextChar first = text[static_cast<size_t>(start + offset)];
    out->clusters.push_back(ShapedCluster{offset, out->CountGlyphs()});
    return !IsInvisibleControl(first);
}

void DefaultFont::AddGlyph(uint32 glyph, int32 advanceUnits, ShapedParagraph* out) {
    out->glyphs.push_back(static_cast<uint16>(glyph)); // font glyph indices are 16-bit
    out->AddAdvance(advanceUnits);
}

// Ends the last cluster at the paragraph's length; a paragraph that shaped to nothing is one
// cluster without glyphs.
void DefaultFont::CloseClusters(const std::u16string& text, TextIndex start, int32 length,
                                ShapedParagraph* out) {
    if (out->clusters.empty())
        AddCluster(text, start, 0, out);
    out->CloseClusters(length);
}
