// The percentage bars of the traffic log: drawn once per bar width on Picture2 and kept in
// ImageList2, image i showing i pixels filled.
#include "platform/base/convert.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

void frmMain::DrawPercentBar(int16_t& width) {
    Picture2.Width(width);
    const double scaleWidth = Picture2.ScaleWidth();
    const double scaleHeight = Picture2.ScaleHeight();
    const int n = static_cast<int16_t>(base::CInt(scaleWidth));
    for (int i = 1; i <= n; ++i) {
        Picture2.Cls();
        Picture2.Line(0, 0, i, scaleHeight, 0xFF0000, 2);
        const std::string text = base::CStr(base::roundHalfEven(i / scaleWidth * 100)) + "%";
        Picture2.CurrentX = (scaleWidth - Picture2.TextWidth(text)) / 2;
        Picture2.CurrentY = (scaleHeight - Picture2.TextHeight("1")) / 2;
        Picture2.Print(text);
        const double right = scaleWidth - 1, bottom = scaleHeight - 1;
        Picture2.Line(0, 0, right, 0, 0);
        Picture2.Line(right, 0, right, bottom, 0);
        Picture2.Line(right, bottom, 0, bottom, 0);
        Picture2.Line(0, bottom, 0, 0, 0);
        Picture2.Refresh();
        ImageList2.Add(i, "", Picture2.Image());
    }
}

}  // namespace qv::ui
