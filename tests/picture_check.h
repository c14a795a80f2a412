#pragma once
// Compares a rendered picture with a reference PNG under tests/fixtures by tolerance: a channel
// may be off by 64 (antialiased text) and at most 0.1 % of the pixels by more, so a control that
// goes missing, moves or changes colour fails while small rendering differences do not.
//
// To write the references again after a deliberate change of the look, run the tests with
// QV_UPDATE_REFERENCES=1 and look at the pictures before committing them. A failing comparison
// leaves NAME.actual.png and NAME.diff.png in the working folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/gfx/png_io.h"
#include "platform/present/image_compare.h"

namespace qv::testing {

// folder: the fixtures folder ("windows", "controls"); name: the picture without ".png".
inline void expectMatchesReference(const gfx::Canvas& actual, const std::string& folder, const std::string& name) {
    const std::string path = std::string(QV_FIXTURES) + "/" + folder + "/" + name + ".png";
    if (std::getenv("QV_UPDATE_REFERENCES") != nullptr) {
        ASSERT_TRUE(gfx::writePng(actual, path));
        GTEST_SKIP() << "reference written to " << path;
    }
    const auto reference = present::readPng(path);
    ASSERT_TRUE(reference.has_value()) << "cannot read " << path;
    const present::ImageDifference d = present::compareImages(actual, *reference, 64);
    if (!d.within(0.001)) {
        gfx::writePng(actual, name + ".actual.png");
        gfx::writePng(present::differenceImage(actual, *reference, 64), name + ".diff.png");
    }
    EXPECT_TRUE(d.sameSize) << actual.width() << "x" << actual.height() << " against " << reference->width() << "x"
                            << reference->height();
    EXPECT_LE(d.share(), 0.001) << d.differing << " of " << d.pixels << " pixels differ";
}

}  // namespace qv::testing
