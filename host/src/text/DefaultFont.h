// DefaultFont: the one font the composer sets text in, DejaVu Sans at 12 pt on 14.4 pt leading.
// Metrics come from FreeType; shaping from HarfBuzz without ligatures (each character one glyph)
// at a scale of one unit per font unit, so advances are exact. Without the font file, every
// character gets a fixed advance, so composition still works.
#pragma once

#include <string>

#include "ShapedParagraph.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct hb_font_t;
struct hb_buffer_t;

class DefaultFont {
public:
    static constexpr const char* kPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    static constexpr PMReal kSize = 12.0;
    static constexpr PMReal kLeading = 14.4;

    static DefaultFont& Instance();
    ~DefaultFont();
    DefaultFont(const DefaultFont&) = delete;
    DefaultFont& operator=(const DefaultFont&) = delete;

    bool IsLoaded() const { return fFont != nullptr; }
    // Distance from the baseline up to the top of the font's tallest glyphs, in points.
    PMReal GetAscent() const { return fAscent; }
    PMReal GetDescent() const { return fDescent; }
    // Shapes length code units of text from start; the text around them is shaping context.
    void Shape(const std::u16string& text, TextIndex start, int32 length, ShapedParagraph* out);

private:
    DefaultFont();
    void ShapeWithFallback(const std::u16string& text, TextIndex start, int32 length,
                           ShapedParagraph* out) const;
    static bool AddCluster(const std::u16string& text, TextIndex start, int32 offset, ShapedParagraph* out);
    static void AddGlyph(uint32 glyph, int32 advanceUnits, ShapedParagraph* out);
    static void CloseClusters(const std::u16string& text, TextIndex start, int32 length,
                              ShapedParagraph* out);

    FT_LibraryRec_* fLibrary = nullptr;
    FT_FaceRec_* fFace = nullptr;
    hb_font_t* fFont = nullptr;
    hb_buffer_t* fBuffer = nullptr;
    PMReal fPointsPerUnit = 0.0;
    PMReal fAscent = kSize * 0.8;
    PMReal fDescent = kSize * 0.2;
};
