#include "host/graphics/PngImage.h"

#include <cairo.h>

struct PngImage::Surface {
    cairo_surface_t* surface;
    ~Surface() { cairo_surface_destroy(surface); }
};

PngImage PngImage::Load(const std::string& path) {
    PngImage image;
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_format(surface) == CAIRO_FORMAT_INVALID) {
        cairo_surface_destroy(surface);
        return image;
    }
    image.fSurface.reset(new Surface{surface});
    image.fWidth = cairo_image_surface_get_width(surface);
    image.fHeight = cairo_image_surface_get_height(surface);
    return image;
}

PngImage::PngImage(PngImage&&) noexcept = default;
PngImage& PngImage::operator=(PngImage&&) noexcept = default;
PngImage::~PngImage() = default;

uint32 PngImage::PixelAt(int32 x, int32 y) const {
    if (!fSurface || x < 0 || y < 0 || x >= fWidth || y >= fHeight)
        return 0;
    cairo_surface_t* surface = fSurface->surface;
    cairo_surface_flush(surface);
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_RGB24 ||
        cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32)
        return reinterpret_cast<const uint32*>(row)[x] & 0xFFFFFFu;
    return 0;
}
