// What every test of the main window needs: a game folder of its own (so no test reads a
// settings file lying beside the test binary), a message recorder and a scripted file chooser
// handed to the window, and a way to find the window's controls by name.
#pragma once

#include "storage/GameFolder.h"
#include "mainwindow/MainWindow.h"
#include "tests/ScriptedChooser.h"
#include "tests/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

struct TWindowSeams {
    QTemporaryDir Folder;
    TMessageRecorder Messages;
    TScriptedChooser Chooser;
    TWindowSeams() { SetGameDir(Folder.path()); }
    ~TWindowSeams() { SetGameDir(QString()); }
    // A new window with fresh seams; the caller owns it.
    TVirelMain* NewWindow() {
        Messages = TMessageRecorder();
        Chooser = TScriptedChooser();
        return new TVirelMain(Messages, Chooser);
    }
};

// The window's control called Name; the test fails at once when there is none.
template <class T, class P> T* Child(const P& Owner, const char* Name) {
    T* c = Owner->template findChild<T*>(QLatin1String(Name));
    if (!c) qFatal("the main window has no control named %s", Name);
    return c;
}
