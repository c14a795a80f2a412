#pragma once
// The one way the program ends. Quitting from the main window, the signals that ask the process
// to end, and every other way a window ends the program ask for it here; it runs once. It stops
// every timer, makes further passes return at once, drops input to the program's windows, lets
// go every process an open alert holds suspended, encrypts the three stores, resets the run-state
// settings, saves the options, ends the forms and asks the message loop to return. An event that
// arrives while it runs starts nothing.
namespace qv::ui {

class frmMain;

// Asks for the end. It runs at once, unless a poll pass or a cipher call is half done below the
// caller (their message pumps let the request in): then a 10 ms timer of the loop runs it as
// soon as they have returned.
void RequestEnd();
bool EndRequested();
// From the moment the end starts.
bool Ending();

// The main window of the run, whose options the end saves; set while it exists.
void setRunningMain(frmMain* main);
frmMain* runningMain();

// Back to a program that has not begun to end (between tests).
void ResetProgramEnd();

}  // namespace qv::ui
