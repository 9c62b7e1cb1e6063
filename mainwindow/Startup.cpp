// Creates the game's windows in their order and runs the event loop.
#include "Startup.h"

#include "AboutDialog.h"
#include "CenterForm.h"
#include "Fonts.h"
#include "FileBrowserDialog.h"
#include "MainWindow.h"
#include "MessageDialog.h"
#include "PackEditorDialog.h"

#include <QApplication>

namespace {

// Messages and files for the main window, handed on to the message dialog and the file
// browser, which are made after it as its children.
class TDialogRelay : public TMessenger, public TFileChooser {
public:
    TMessenger* Messages = nullptr;
    TFileChooser* Files = nullptr;

    int ShowMsg(const QString& Msg, TMsgType DlgType) override {
        return Messages ? Messages->ShowMsg(Msg, DlgType) : mrCancel;
    }
    bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help) override {
        if (!Files) return false;
        Files->FileName = FileName;
        const bool chosen = Files->Execute(OsType, Title, Info, Help);
        FileName = Files->FileName;
        return chosen;
    }
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) override {
        if (Files) Files->GetTitleInfoHelp(Title, Info, Help);
    }
};

} // namespace

int RunVirelune(QApplication& App) {
    QApplication::setApplicationName(QStringLiteral("Virelune"));
    InstallGameFonts();

    TDialogRelay relay;
    TMainWindowDialogs opens;
    opens.ShowPackEditor = [] {
        CenterForm(PackForm, PackForm->Layout);
        PackForm->exec();
    };
    opens.ShowAbout = [] {
        CenterForm(AboutForm, AboutForm->Layout);
        AboutForm->exec();
    };
    TVirelMain mainWindow(relay, relay, opens);
    // The dialogs belong to the main window, so they go when it goes.
    AboutForm = new TAboutForm(&mainWindow);
    MessageForm = new TMessageForm(&mainWindow);
    PackForm = new TPackForm(&mainWindow);
    LoadSaveForm = new TLoadSaveForm(&mainWindow);
    relay.Messages = MessageForm;
    relay.Files = LoadSaveForm;

    mainWindow.show();
    const int code = App.exec();
    AboutForm = nullptr;
    MessageForm = nullptr;
    PackForm = nullptr;
    LoadSaveForm = nullptr;
    return code;
}
