#pragma once
// What the running copy does when a second start asks it to come forward: the main window is
// shown and brought to the front, or the splash while it still runs. Nothing once the end has
// begun.
namespace qv::ui {

void ActivateRunningCopy();

}  // namespace qv::ui
