#include "platform/gfx/picture.h"

#include <cmath>
#include <mutex>
#include <unordered_map>

#include "platform/base/files.h"
#include "platform/gfx/dib_reader.h"
#include "platform/gfx/png_io.h"

namespace qv::gfx {
namespace {

// Live pictures by handle. Handles count up and are not reused while the program runs.
struct Registry {
    std::mutex lock;
    uint32_t next = 0;
    std::unordered_map<uint32_t, std::weak_ptr<const Picture>> live;
};
// Never destroyed, so pictures held in static objects can still leave it at exit.
Registry& registry() {
    static Registry* r = new Registry;
    return *r;
}

uint32_t newHandle() {
    Registry& r = registry();
    std::lock_guard g(r.lock);
    do ++r.next;
    while (r.next == 0 || r.live.count(r.next));
    return r.next;
}

PicturePtr enrol(std::shared_ptr<Picture> p) {
    Registry& r = registry();
    std::lock_guard g(r.lock);
    r.live[p->handle()] = p;
    return p;
}

std::span<const uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

}  // namespace

Picture::Picture(PictureType type, Canvas image, Canvas mask)
    : type_(type), image_(std::move(image)), mask_(std::move(mask)), handle_(newHandle()) {}

Picture::~Picture() {
    Registry& r = registry();
    std::lock_guard g(r.lock);
    r.live.erase(handle_);
}

PicturePtr Picture::bitmap(Canvas image) {
    return enrol(std::shared_ptr<Picture>(new Picture(PictureType::Bitmap, std::move(image), Canvas())));
}

PicturePtr Picture::icon(Canvas colour, Canvas mask) {
    Canvas m(colour.width(), colour.height(), 0);
    for (int32_t y = 0; y < colour.height(); ++y)
        for (int32_t x = 0; x < colour.width(); ++x)
            if (mask.pixel(x, y) == 0xFFFFFF) {
                m.setPixel(x, y, 0xFFFFFF);
                colour.setPixel(x, y, 0);
            }
    return enrol(std::shared_ptr<Picture>(new Picture(PictureType::Icon, std::move(colour), std::move(m))));
}

int32_t Picture::widthHimetric() const { return int32_t(std::lround(width() * 2540.0 / 96.0)); }
int32_t Picture::heightHimetric() const { return int32_t(std::lround(height() * 2540.0 / 96.0)); }

PicturePtr findPicture(uint32_t handle) {
    if (handle == 0) return nullptr;
    Registry& r = registry();
    std::lock_guard g(r.lock);
    auto it = r.live.find(handle);
    return it == r.live.end() ? nullptr : it->second.lock();
}

PicturePtr loadPictureFromMemory(std::span<const uint8_t> bytes, int32_t preferredIconSize) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        auto img = decodeBmp(bytes);
        return img ? Picture::bitmap(colourOf(*img)) : nullptr;
    }
    if (looksLikePng(bytes)) {
        auto img = decodePng(bytes);
        return img ? Picture::bitmap(colourOf(*img)) : nullptr;
    }
    auto ico = decodeIco(bytes, preferredIconSize);
    return ico ? Picture::icon(std::move(ico->colour), std::move(ico->mask)) : nullptr;
}

PicturePtr loadPicture(std::string_view path, int32_t preferredIconSize) {
    const auto data = base::readFile(path);
    return data ? loadPictureFromMemory(asBytes(*data), preferredIconSize) : nullptr;
}

PicturePtr loadIcon(std::string_view path, int32_t preferredIconSize) {
    const auto data = base::readFile(path);
    if (!data) return nullptr;
    const auto bytes = asBytes(*data);
    if (looksLikePng(bytes)) {
        auto img = decodePng(bytes);
        return img ? Picture::icon(colourOf(*img), maskFromAlpha(*img)) : nullptr;
    }
    PicturePtr p = loadPictureFromMemory(bytes, preferredIconSize);
    if (!p || p->type() == PictureType::Icon) return p;
    return Picture::icon(p->image(), Canvas(p->width(), p->height(), 0));
}

}  // namespace qv::gfx
