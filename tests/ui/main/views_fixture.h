#pragma once
// A form holding the controls the main window's statistics, interface and log views write
// (made in code, with the columns the main window's lists have), on a simulated machine and a
// fake clock over fresh program and configuration folders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ui_hooks.h"
#include "platform/base/clock.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/runtime.h"
#include "tests/platform/host/sim_machine.h"
#include "tests/ui/scratch_folders.h"

namespace qv::ui::testing {

class frmViews : public forms::Form {
public:
    frmViews() : Form("frmViews") {
        for (forms::ListView* l : {&ListView1, &ListView2, &ListView3, &ListView4}) {
            l->ColumnHeaders().Add(-1, "", "Parameter");
            l->ColumnHeaders().Add(-1, "", "Value");
        }
        for (forms::ListView* l : {&lvLog, &lvSec}) {
            l->ColumnHeaders().Add(-1, "", "Time Stamp");
            l->ColumnHeaders().Add(-1, "", l == &lvLog ? "Type" : "Severity");
            l->ColumnHeaders().Add(-1, "", "Description");
        }
        for (const char* c : {"Host Address", "Local Port", "Remote Port", "Status", "Time Stamp"})
            lvwLog.ColumnHeaders().Add(-1, "", c);
    }
    forms::ListView ListView1{*this, "ListView1"}, ListView2{*this, "ListView2"}, ListView3{*this, "ListView3"},
        ListView4{*this, "ListView4"}, lvLog{*this, "lvLog"}, lvSec{*this, "lvSec"}, lvwLog{*this, "lvwLog"};
    forms::Label lblType{*this, "lblType"}, lblRecv{*this, "lblRecv"}, lblSent{*this, "lblSent"};
    forms::Label Label16{*this, "Label16"}, Label14{*this, "Label14"}, Label15{*this, "Label15"},
        Label12{*this, "Label12"};
    forms::Image Image1{*this, "Image1"};
    forms::ImageList ImageList1{*this, "ImageList1"};
};

class ViewsTest : public ::testing::Test, protected host::test::SimMachine {
protected:
    ScratchFolders folders_{"qv_ui_views_"};
    ViewsTest() {
        forms::Load(form);
        engine::setMsgBoxHandler([this](const std::string& text, const std::string&, int) {
            boxes.push_back(text);
            return 1;
        });
    }
    ~ViewsTest() override {
        engine::setMsgBoxHandler({});
        forms::resetRuntime();
    }
    // Every row of a list as "label=value".
    static std::vector<std::string> rows(const forms::ListView& l) {
        std::vector<std::string> out;
        for (int i = 1; i <= l.ListItems().Count(); ++i)
            out.push_back(l.ListItems()(i).Text() + "=" + l.ListItems()(i).SubItems(1));
        return out;
    }

    base::FakeClock clock_{base::DateTime{2026, 12, 10, 15, 4, 5, 0}};
    base::ScopedClock useClock_{clock_};
    frmViews form;
    std::vector<std::string> boxes;
};

}  // namespace qv::ui::testing
