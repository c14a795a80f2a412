#include "ui/windows/graph_points.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/base/random.h"
#include "tests/ui/scratch_folders.h"

namespace qv::ui::testing {
namespace {

TEST(GraphPoints, ScaleFromTheStoredCounts) {
    ScratchFolders folders("qv_graph_points_");
    struct Case {
        const char* what;
        std::optional<GraphCounts> stored;  // nothing: no counts stored yet
        int scale;
    };
    const Case cases[] = {
        {"missing", std::nullopt, 25},
        {"all 0", GraphCounts{"0", "0", "0"}, 25},
        {"in 2, out 1, block 5: 25", GraphCounts{"1", "2", "5"}, 50},
        {"in 9 beats out 10 as text: 90", GraphCounts{"10", "9", "0"}, 25},
        {"equal texts take out", GraphCounts{"2", "2", "5"}, 50},
        {"20 digits do not fit 64 bits", GraphCounts{"4294967295", "4294967295", "4294967295"}, 25},
        {"no number", GraphCounts{"x", "2", "5"}, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.stored) storeGraphCounts(*c.stored);
        EXPECT_EQ(GraphScale(graphCounts()), c.scale);
    }
}

TEST(GraphPoints, TenPointsBelowTheScaleFromTheProgramsRnd) {
    struct Case {
        int scale;
        std::vector<std::string> points;
    };
    // Rnd -1 then Randomize 5, as a Basic program restarts a known sequence.
    const Case cases[] = {
        {25, {"22", "17", "19", "1", "21", "20", "14", "12", "8", "9"}},
        {50, {"44", "34", "38", "3", "43", "40", "28", "24", "16", "19"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        base::Rnd(-1);
        base::Randomize(5);
        EXPECT_EQ(GraphPoints(c.scale), c.points);
    }
    // Unseeded draws go on from where the sequence stands: the next ten differ.
    EXPECT_NE(GraphPoints(50), cases[1].points);
}

}  // namespace
}  // namespace qv::ui::testing
