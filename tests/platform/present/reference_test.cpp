// The showcase form drawn and compared with the committed reference picture by tolerance.
//
// To regenerate the reference after a deliberate change of the look, run
//   QV_UPDATE_REFERENCES=1 build-dev/tests/platform/present/present_tests --gtest_filter='Reference*'
// and look at tests/fixtures/present/frmShowcase.png before committing it. A failing comparison
// leaves frmShowcase.actual.png and frmShowcase.diff.png (differences in red) in the test's
// working folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/base/clock.h"
#include "platform/forms/instances.h"
#include "platform/gfx/png_io.h"
#include "platform/present/image_compare.h"
#include "platform/present/render.h"
#include "tests/platform/present/showcase_form.h"

namespace qv::present {
namespace {

constexpr const char* kReference = QV_FIXTURES "/present/frmShowcase.png";
// A channel may be off this much (antialiased text), and this share of pixels off by more.
constexpr int kChannelTolerance = 48;
constexpr double kMaxDifferingShare = 0.01;

TEST(Reference, ShowcaseFormMatchesItsPicture) {
    forms::setDesignFolder(QV_FIXTURES "/present");
    base::FakeClock clock;
    base::ScopedClock scoped{clock};
    auto& form = forms::Default<testing::frmShowcase>();
    form.Show();
    const gfx::Canvas actual = renderForm(form);
    forms::resetForms();

    if (std::getenv("QV_UPDATE_REFERENCES") != nullptr) {
        ASSERT_TRUE(gfx::writePng(actual, kReference));
        GTEST_SKIP() << "reference written to " << kReference;
    }
    const auto reference = readPng(kReference);
    ASSERT_TRUE(reference.has_value()) << "cannot read " << kReference;
    const ImageDifference d = compareImages(actual, *reference, kChannelTolerance);
    if (!d.within(kMaxDifferingShare)) {
        gfx::writePng(actual, "frmShowcase.actual.png");
        gfx::writePng(differenceImage(actual, *reference, kChannelTolerance), "frmShowcase.diff.png");
    }
    EXPECT_TRUE(d.sameSize) << actual.width() << "x" << actual.height() << " against " << reference->width()
                            << "x" << reference->height();
    EXPECT_LE(d.share(), kMaxDifferingShare) << d.differing << " of " << d.pixels << " pixels differ";
}

}  // namespace
}  // namespace qv::present
