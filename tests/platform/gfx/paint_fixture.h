#pragma once
// A small white canvas with a device context, and a picture of it as text: '.' white,
// 'R' red, 'B' blue, 'K' black, '#' any other colour.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/gfx/device_context.h"

namespace qv::gfx::testing {

inline constexpr Colour kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255), kWhite = rgb(255, 255, 255);

class Paint : public ::testing::Test {
protected:
    explicit Paint(int w = 12, int h = 12) : canvas(w, h), dc(canvas) {}

    std::string map() const {
        std::string out;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const Colour c = canvas.pixel(x, y);
                out += c == kWhite ? '.' : c == kRed ? 'R' : c == kBlue ? 'B' : c == 0 ? 'K' : '#';
            }
            out += '\n';
        }
        return out;
    }
    std::set<std::pair<int, int>> painted() const {
        std::set<std::pair<int, int>> out;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) != kWhite) out.insert({x, y});
        return out;
    }

    Canvas canvas;
    DeviceContext dc;
};

}  // namespace qv::gfx::testing
