// The game's start: its five windows, each created once and in this order, then the event loop.
#pragma once

class QApplication;

// Creates the main window, the about box, the message dialog, the pack editor and the load and
// save dialog, shows the main window and runs until it closes; returns the exit code.
int RunVirelune(QApplication& App);
