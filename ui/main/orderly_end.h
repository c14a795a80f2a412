#pragma once
// The one way the program ends on purpose: the main window's orderly end (the data files
// encrypted again, the options saved, the settings reset). Windows that end the program call
// requestOrderlyEnd, never a bare exit. Until the main window installs its own end, the forms
// are ended at once.
#include <functional>

namespace qv::ui {

void requestOrderlyEnd();
// Installs what requestOrderlyEnd does (an empty function brings back the default).
void setOrderlyEnd(std::function<void()> end);

}  // namespace qv::ui
