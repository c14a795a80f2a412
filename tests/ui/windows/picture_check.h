#pragma once
// The window reference pictures live under fixtures/windows; see tests/picture_check.h.
#include <string>

#include "tests/picture_check.h"

namespace qv::ui::testing {

inline void expectMatchesPicture(const gfx::Canvas& actual, const std::string& name) {
    qv::testing::expectMatchesReference(actual, "windows", name);
}

}  // namespace qv::ui::testing
