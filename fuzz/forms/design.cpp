// Form designs: any text either fails with a DesignError or gives a design whose every value
// converts or fails with a DesignError, read through a property bag as a control reads it;
// quoted texts survive a round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/forms/design.h"
#include "platform/forms/hosting/property_bag.h"

namespace {

template <class F>
void tolerant(F f) {
    try {
        f();
    } catch (const qv::forms::DesignError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string quoted = qv::forms::quoteDesignText(text);
    try {
        auto back = qv::forms::parseDesign("form f\n  Caption = " + quoted + "\n");
        if (back.form.find("Caption")->asText() != text) std::abort();
    } catch (const qv::forms::DesignError&) {
        std::abort();
    }
    qv::forms::Design d;
    try {
        d = qv::forms::parseDesign(text);
    } catch (const qv::forms::DesignError&) {
        return 0;
    }
    for (const auto& entry : d.controls) {
        qv::forms::PropertyBag bag(entry);
        for (const auto& key : bag.keys()) {
            tolerant([&] { (void)bag.ReadProperty(key, 0); });
            tolerant([&] { (void)bag.ReadProperty(key, int16_t{0}); });
            tolerant([&] { (void)bag.ReadProperty(key, false); });
            tolerant([&] { (void)bag.ReadProperty(key, 0.0); });
            tolerant([&] { (void)bag.ReadProperty(key, std::string()); });
            tolerant([&] { (void)bag.ReadProperty(key, qv::forms::StdFont{}); });
            (void)bag.designText(key);
        }
    }
    return 0;
}
