#pragma once
// The progress display of every cipher run: the encryption tool's progress box (the window is
// made hidden by the first run that draws), with pending window messages run in between so
// its Cancel buttons can stop a run. The program installs it once with
// cipher::SetProgressPump(&EncodeProgress()).
#include "cipher/progress.h"

namespace qv::ui {

cipher::ProgressPump& EncodeProgress();

}  // namespace qv::ui
