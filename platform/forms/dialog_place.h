#pragma once
// Where the program's own dialogs open: centred over the window the person works in, or near
// the top left of the screen when there is none.
namespace qv::forms {

class Form;

// Sizes the dialog to a client area of width by height pixels inside its frame and places it.
void placeDialog(Form& dialog, int clientWidth, int clientHeight);

}  // namespace qv::forms
