#pragma once
// clsOnTop: puts a window into the topmost band, above every normal window, or takes it out;
// its place and size stay as they are.
#include "platform/gui/types.h"

namespace qv::controls {

class clsOnTop {
public:
    void MakeTopMost(gui::HWnd hWnd);
    void MakeNormal(gui::HWnd hWnd);
};

}  // namespace qv::controls
