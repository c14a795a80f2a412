#pragma once
// Pictures: a loaded bitmap or icon with its type, size and handle. An icon keeps its mask
// beside its colour image: where the mask is white (&HFFFFFF) the icon is transparent, where it
// is black the colour image shows. Pictures are shared by reference; a picture's handle is
// unique while it lives and is never 0, so a handle handed to the window system can be looked
// up again.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/canvas.h"

namespace qv::gfx {

// Numbered as the program's picture type reads them.
enum class PictureType { None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };

class Picture;
using PicturePtr = std::shared_ptr<const Picture>;

class Picture {
public:
    static PicturePtr bitmap(Canvas image);
    // The mask is taken at the colour image's size: where it is missing or not white counts
    // as opaque. Colour pixels under a white mask are made black, so drawing through the mask
    // (destination AND mask, then XOR colour) shows the destination there unchanged.
    static PicturePtr icon(Canvas colour, Canvas mask);

    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    PictureType type() const { return type_; }
    uint32_t handle() const { return handle_; }
    int32_t width() const { return image_.width(); }    // pixels
    int32_t height() const { return image_.height(); }  // pixels
    // The size in the hundredths of a millimetre in which pictures report it (96 pixels to the
    // inch), rounded.
    int32_t widthHimetric() const;
    int32_t heightHimetric() const;
    // The colour image (of an icon: the XOR image).
    const Canvas& image() const { return image_; }
    // The AND mask of an icon; nullptr for a bitmap.
    const Canvas* mask() const { return type_ == PictureType::Icon ? &mask_ : nullptr; }

private:
    Picture(PictureType type, Canvas image, Canvas mask);
    PictureType type_;
    Canvas image_;
    Canvas mask_;
    uint32_t handle_;
};

// The live picture with that handle; nullptr for 0 or a handle whose picture is gone.
PicturePtr findPicture(uint32_t handle);

// A picture from a file's bytes, told apart by content: a BMP file gives a bitmap, an ICO file
// an icon (the image nearest to preferredIconSize pixels square), a PNG file a bitmap. Malformed
// or unsupported data gives nullptr.
PicturePtr loadPictureFromMemory(std::span<const uint8_t> bytes, int32_t preferredIconSize = 32);
PicturePtr loadPicture(std::string_view path, int32_t preferredIconSize = 32);
// As loadPicture, but a BMP or PNG becomes an icon: a PNG's alpha channel (below half opaque)
// gives the mask; a BMP is opaque throughout.
PicturePtr loadIcon(std::string_view path, int32_t preferredIconSize = 32);

}  // namespace qv::gfx
