// The game's start: the main window first, every other window built the first time it is needed,
// then the event loop.
#pragma once

class QApplication;

// Creates and shows the main window, wires it to the message dialog, the file browser, the pack
// editor and the about box (each built when first opened) and runs until the window closes;
// returns the exit code.
int RunVirelune(QApplication& App);
