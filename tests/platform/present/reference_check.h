#pragma once
// Compares a rendered picture with a reference PNG under fixtures/present by tolerance.
//
// To regenerate the references after a deliberate change of the look, run
//   QV_UPDATE_REFERENCES=1 build-test/tests/platform/present/present_tests --gtest_filter='Reference*'
// and look at the pictures in tests/fixtures/present before committing them. A failing
// comparison writes NAME.actual.png and NAME.diff.png (differences in red) into the test's build
// folder and names them in the failure; it never writes into the source tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/gfx/png_io.h"
#include "platform/present/image_compare.h"

namespace qv::present::testing {

// A channel may be off this much (antialiased text), and this share of pixels off by more.
inline constexpr int kChannelTolerance = 64;
inline constexpr double kMaxDifferingShare = 0.001;

inline void expectMatchesReference(const gfx::Canvas& actual, const std::string& name) {
    const std::string path = std::string(QV_FIXTURES) + "/present/" + name + ".png";
    if (std::getenv("QV_UPDATE_REFERENCES") != nullptr) {
        ASSERT_TRUE(gfx::writePng(actual, path));
        GTEST_SKIP() << "reference written to " << path;
    }
    const auto reference = readPng(path);
    ASSERT_TRUE(reference.has_value()) << "cannot read " << path;
    const ImageDifference d = compareImages(actual, *reference, kChannelTolerance);
    std::string written;
    if (!d.within(kMaxDifferingShare)) {
        const std::string stem = std::string(QV_TEST_OUTPUT_DIR) + "/" + name;
        if (gfx::writePng(actual, stem + ".actual.png") &&
            gfx::writePng(differenceImage(actual, *reference, kChannelTolerance), stem + ".diff.png"))
            written = "; drawn: " + stem + ".actual.png, differences: " + stem + ".diff.png";
    }
    EXPECT_TRUE(d.sameSize) << actual.width() << "x" << actual.height() << " against " << reference->width() << "x"
                            << reference->height() << written;
    EXPECT_LE(d.share(), kMaxDifferingShare) << d.differing << " of " << d.pixels << " pixels differ" << written;
}

}  // namespace qv::present::testing
