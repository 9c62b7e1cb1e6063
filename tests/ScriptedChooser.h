// A file browser that answers from a script, for tests of the session and the window.
#pragma once

#include "session/FileChooser.h"

#include <QList>
#include <QStringList>

// Answers the file browser's questions from a script: each answer is a file name, an empty one
// closes the dialog without a file.
class TScriptedChooser : public TFileChooser {
public:
    QStringList Answers;
    QString Title, Info, Help; // what the player typed in the dialog
    QList<TOpenSaveType> Modes;
    QStringList Proposed; // FileName as the caller put it before each showing
    bool Execute(TOpenSaveType OsType, const QString&, const QString&, const QString&) override {
        Modes << OsType;
        Proposed << FileName;
        const QString answer = Answers.isEmpty() ? QString() : Answers.takeFirst();
        if (answer.isEmpty()) return false;
        FileName = answer;
        return true;
    }
    void GetTitleInfoHelp(QString& T, QString& I, QString& H) override {
        T = Title;
        I = Info;
        H = Help;
    }
    void GetTitleInfo(QString& T, QString& I) override {
        T = Title;
        I = Info;
    }
};
