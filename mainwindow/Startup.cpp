// Creates the main window, wires the dialogs into it and into each other, and runs the event loop.
#include "mainwindow/Startup.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/FileBrowserDialog.h"
#include "platform/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/PackEditorDialog.h"

#include <QApplication>

namespace {

// The game's dialogs, each built the first time it is needed as a child of the main window (so
// they go when it goes). Messages and files pass through here, so the window and the dialogs
// can be handed them before the dialogs that answer exist. While the main window is still being
// built nothing is shown: a message is answered Cancel and no file is chosen.
class TDialogs : public TMessenger, public TFileChooser {
public:
    void SetMainWindow(TVirelMain& Window) { Main = &Window; }

    int ShowMsg(const QString& Msg, TMsgType DlgType) override {
        return Main ? MessageDialog().ShowMsg(Msg, DlgType) : mrCancel;
    }
    bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help) override {
        if (!Main) return false;
        TLoadSaveForm& files = FileBrowser();
        files.FileName = FileName;
        const bool chosen = files.Execute(OsType, Title, Info, Help);
        FileName = files.FileName;
        return chosen;
    }
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) override {
        if (Main) FileBrowser().GetTitleInfoHelp(Title, Info, Help);
    }
    void GetTitleInfo(QString& Title, QString& Info) override {
        if (Main) FileBrowser().GetTitleInfo(Title, Info);
    }

    void ShowPackEditor() {
        if (!PackEditor) PackEditor = new TPackForm(*this, *this, Main, Main->ScaleFactor);
        PackEditor->ShowModal();
    }
    void ShowAbout() {
        if (!About) About = new TAboutForm(*this, Main, Main->ScaleFactor);
        About->ShowModal();
    }

private:
    TMessageForm& MessageDialog() {
        if (!Message) Message = new TMessageForm(Main, Main->ScaleFactor);
        return *Message;
    }
    TLoadSaveForm& FileBrowser() {
        if (!Browser) Browser = new TLoadSaveForm(*this, DiskFileOps(), Main, Main->ScaleFactor);
        return *Browser;
    }

    TVirelMain* Main = nullptr;
    TMessageForm* Message = nullptr;
    TLoadSaveForm* Browser = nullptr;
    TPackForm* PackEditor = nullptr;
    TAboutForm* About = nullptr;
};

} // namespace

int RunVirelune(QApplication& App) {
    QApplication::setApplicationName(QStringLiteral("Virelune"));
    InstallGameFonts();

    TDialogs dialogs;
    TMainWindowDialogs opens;
    opens.ShowPackEditor = [&dialogs] { dialogs.ShowPackEditor(); };
    opens.ShowAbout = [&dialogs] { dialogs.ShowAbout(); };
    TVirelMain mainWindow(dialogs, dialogs, opens);
    dialogs.SetMainWindow(mainWindow);

    mainWindow.show();
    return App.exec();
}
