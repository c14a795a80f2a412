#include "ui/windows/frm_graph.h"

#include <string>

#include "controls/balloon.h"
#include "ui/main/frm_main.h"
#include "ui/main/run_state.h"
#include "ui/main/window_shape.h"
#include "ui/windows/graph_points.h"

namespace qv::ui {

frmGraph::frmGraph(frmMain& main) : Form("frmGraph", "frmGraph"), main_(main), drag_(*this, main) {
    PictureButton1.Click = [this] { forms::Unload(*this); };
}

void frmGraph::Form_Load() {
    if (main_.Check11.Value() == 1) {
        controls::CreateBalloon(hWnd());
        controls::AddBalloonTip(hWnd(), "This is statistic is taken from incoming,outgoing,blocking connection also "
                                        "including TCP,IP,UDP and ICMP for each time");
    }
    aGraph1.GraphMax = 100;
    for (const std::string& point : GraphPoints(GraphScale(graphCounts()))) {
        aGraph1.GraphValues.Add(point);
        aGraph1.GraphLabels.Add(point);
    }
    aGraph1.ReDraw();
    // The scale labels take GraphMax at a resize: without one they would still read 10 to 1.
    aGraph1.Move(aGraph1.Left(), aGraph1.Top(), aGraph1.Width(), aGraph1.Height());
    ApplyWindowShape(*this, PicHiddenData, regionBytes(3));
}

}  // namespace qv::ui
