#include "CairoFontCache.h"

#include <map>
#include <mutex>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {
struct Faces {
    FT_Library library = nullptr;
    std::map<std::string, cairo_font_face_t*> faces;
};

// Never destroyed: faces stay valid for whatever cairo still holds at exit.
Faces& AllFaces() {
    static Faces* faces = [] {
        auto* made = new Faces;
        if (FT_Init_FreeType(&made->library) != 0)
            made->library = nullptr;
        return made;
    }();
    return *faces;
}

cairo_font_face_t* OpenFace(FT_Library library, const std::string& path) {
    FT_Face face = nullptr;
    if (!library || FT_New_Face(library, path.c_str(), 0, &face) != 0)
        return nullptr;
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    if (cairo_font_face_status(cairoFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        FT_Done_Face(face);
        return nullptr;
    }
    return cairoFace;
}
} // namespace

cairo_font_face_t* CairoFontCache::FaceFor(const std::string& path) {
    static std::mutex guard;
    std::lock_guard<std::mutex> lock(guard);
    Faces& all = AllFaces();
    const auto found = all.faces.find(path);
    if (found != all.faces.end())
        return found->second;
    cairo_font_face_t* face = OpenFace(all.library, path);
    all.faces[path] = face; // a font that failed stays failed
    return face;
}
