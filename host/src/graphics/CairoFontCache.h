// CairoFontCache: one cairo font face per font file, made through FreeType on first use and
// kept for the life of the process (cairo may hold a face in its own caches until exit).
#pragma once

#include <string>

typedef struct _cairo_font_face cairo_font_face_t;

class CairoFontCache {
public:
    // The face of a font file, or nullptr when FreeType cannot open it.
    static cairo_font_face_t* FaceFor(const std::string& path);
};
