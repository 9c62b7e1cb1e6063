// Creates the main window, wires the dialogs into it and into each other, and runs the event loop.
#include "mainwindow/Startup.h"

#include "dialogs/GameDialogs.h"
#include "mainwindow/MainWindow.h"
#include "platform/Fonts.h"

#include <QApplication>

int RunVirelune(QApplication& App) {
    QApplication::setApplicationName(QStringLiteral("Virelune"));
    InstallGameFonts();

    TGameDialogs dialogs;
    TMainWindowDialogs opens;
    opens.ShowPackEditor = [&dialogs] { dialogs.ShowPackEditor(); };
    opens.ShowAbout = [&dialogs] { dialogs.ShowAbout(); };
    TVirelMain mainWindow(dialogs, dialogs, opens);
    dialogs.SetMainWindow(mainWindow, mainWindow.ScaleFactor);

    mainWindow.show();
    return App.exec();
}
