#pragma once
// Where a form's window goes the first time it shows, by its StartUpPosition: in the middle of
// the screen (1 and 2), or toward its upper left (3); 0 leaves Left and Top as they are. A window
// that would cover another shown window of the program exactly is moved a step down and right,
// so windows opened one after another (alerts) stay visible side by side.
namespace qv::forms {

class Form;

void placeAtStartUp(Form& f);

}  // namespace qv::forms
