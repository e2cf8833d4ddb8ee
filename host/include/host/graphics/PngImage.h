// PngImage: a PNG file read into memory, for checking what a rendering drew pixel by pixel.
#pragma once

#include <memory>
#include <string>

#include "host/util/BaseTypes.h"

class PngImage {
public:
    // An image that failed to load is empty (width and height 0).
    static PngImage Load(const std::string& path);
    PngImage(PngImage&&) noexcept;
    PngImage& operator=(PngImage&&) noexcept;
    ~PngImage();

    bool IsEmpty() const { return fWidth == 0; }
    int32 Width() const { return fWidth; }
    int32 Height() const { return fHeight; }
    // The colour of a pixel as 0xRRGGBB (alpha dropped); 0 outside the image.
    uint32 PixelAt(int32 x, int32 y) const;

private:
    struct Surface;
    PngImage() = default;
    std::unique_ptr<Surface> fSurface;
    int32 fWidth = 0;
    int32 fHeight = 0;
};
