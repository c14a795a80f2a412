#pragma once
// Pictures as controls hold them: shared, read-only pictures of the drawing layer.
#include <memory>
#include <string>

#include "platform/forms/design.h"

namespace qv::gfx {
class Picture;
}

namespace qv::forms {

using PictureRef = std::shared_ptr<const gfx::Picture>;

// A picture named by a design value: a file path relative to the design folder ("" for none).
// A file that cannot be read as a picture is a DesignError.
PictureRef loadDesignPicture(const DesignValue& v);

}  // namespace qv::forms
