#include "ui/main/companions.h"

namespace qv::ui {

namespace {
MainCompanions*& installed() {
    static MainCompanions* set = nullptr;
    return set;
}
}  // namespace

MainCompanions& companions() {
    static MainCompanions none;
    return installed() != nullptr ? *installed() : none;
}

void setCompanions(MainCompanions* set) { installed() = set; }

}  // namespace qv::ui
