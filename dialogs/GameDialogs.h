// The game's dialogs behind one messenger and one file chooser, each dialog built the first time
// it is needed, as a child of the main window (so it goes when the window goes).
#pragma once

#include "rules/Messages.h"
#include "session/FileChooser.h"

class QWidget;
class TAboutForm;
class TLoadSaveForm;
class TMessageForm;
class TPackForm;

// Messages and files pass through here, so the window can be handed them before the dialogs that
// answer exist. Until the window is set nothing is shown: a message is answered Cancel and no
// file is chosen.
class TGameDialogs : public TMessenger, public TFileChooser {
public:
    // Window owns the dialogs; *ScaleFactor (which outlives them) sizes each when it is built.
    void SetMainWindow(QWidget& Window, const float& ScaleFactor);

    int ShowMsg(const QString& Msg, TMsgType DlgType) override;
    bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help) override;
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) override;
    void GetTitleInfo(QString& Title, QString& Info) override;

    void ShowPackEditor();
    void ShowAbout();

private:
    TMessageForm& MessageDialog();
    TLoadSaveForm& FileBrowser();

    QWidget* Main = nullptr;
    const float* Scale = nullptr;
    TMessageForm* Message = nullptr;
    TLoadSaveForm* Browser = nullptr;
    TPackForm* PackEditor = nullptr;
    TAboutForm* About = nullptr;
};
