#pragma once
// A shaped window's outline, carried as region data in the pixels of its hidden picture box
// PicHiddenData: each pixel holds one 32-bit field in blue, green and red. Applied as the window
// loads; a picture that yields no valid region leaves the window rectangular.
#include <cstddef>

namespace qv::forms {
class Form;
class PictureBox;
}

namespace qv::ui {

// Region data sizes: a 32-byte header and 16 bytes a rectangle.
constexpr std::size_t regionBytes(int rectangles) { return 32 + 16 * static_cast<std::size_t>(rectangles); }

// Reads byteCount bytes of region data from the picture's pixels and shapes the window with it.
void ApplyWindowShape(forms::Form& window, const forms::PictureBox& PicHiddenData, std::size_t byteCount);

}  // namespace qv::ui
