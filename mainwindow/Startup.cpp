// Creates the game's windows in their order and runs the event loop.
#include "Startup.h"

#include "AboutUnit.h"
#include "Fonts.h"
#include "LoadSaveDialogUnit.h"
#include "MessageUnit.h"
#include "PackUnit.h"
#include "Virelune1.h"

#include <QApplication>

int RunVirelune(QApplication& App) {
    QApplication::setApplicationName(QStringLiteral("Virelune"));
    InstallGameFonts();

    TVirelMain mainWindow;
    // The dialogs belong to the main window, so they go when it goes.
    AboutForm = new TAboutForm(&mainWindow);
    MessageForm = new TMessageForm(&mainWindow);
    PackForm = new TPackForm(&mainWindow);
    LoadSaveForm = new TLoadSaveForm(&mainWindow);

    mainWindow.show();
    const int code = App.exec();
    AboutForm = nullptr;
    MessageForm = nullptr;
    PackForm = nullptr;
    LoadSaveForm = nullptr;
    return code;
}
