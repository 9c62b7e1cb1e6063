// Builds each dialog when first asked for and hands it the messages and files.
#include "dialogs/GameDialogs.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/FileBrowserDialog.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/PackEditorDialog.h"

void TGameDialogs::SetMainWindow(QWidget& Window, const float& ScaleFactor) {
    Main = &Window;
    Scale = &ScaleFactor;
}

int TGameDialogs::ShowMsg(const QString& Msg, TMsgType DlgType) {
    return Main ? MessageDialog().ShowMsg(Msg, DlgType) : mrCancel;
}

bool TGameDialogs::Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                           const QString& Help) {
    if (!Main) return false;
    TLoadSaveForm& files = FileBrowser();
    files.FileName = FileName;
    const bool chosen = files.Execute(OsType, Title, Info, Help);
    FileName = files.FileName;
    return chosen;
}

void TGameDialogs::GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) {
    if (Main) FileBrowser().GetTitleInfoHelp(Title, Info, Help);
}

void TGameDialogs::GetTitleInfo(QString& Title, QString& Info) {
    if (Main) FileBrowser().GetTitleInfo(Title, Info);
}

void TGameDialogs::ShowPackEditor() {
    if (!Main) return;
    if (!PackEditor) PackEditor = new TPackForm(*this, *this, Main, *Scale);
    PackEditor->ShowModal();
}

void TGameDialogs::ShowAbout() {
    if (!Main) return;
    if (!About) About = new TAboutForm(*this, Main, *Scale);
    About->ShowModal();
}

TMessageForm& TGameDialogs::MessageDialog() {
    if (!Message) Message = new TMessageForm(Main, *Scale);
    return *Message;
}

TLoadSaveForm& TGameDialogs::FileBrowser() {
    if (!Browser) Browser = new TLoadSaveForm(*this, DiskFileOps(), Main, *Scale);
    return *Browser;
}
