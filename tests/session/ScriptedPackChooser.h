// A file chooser for the pack editor's tests: answers from a script and remembers each call.
#pragma once

#include "FileChooser.h"
#include "MapFile.h"

#include <QList>
#include <deque>

// Answers the editor's file questions from a script and remembers what it was asked.
class TScriptedPackChooser : public TFileChooser {
public:
    struct TAnswer {
        bool Ok = true;
        QString File;
        QString Title, Info, Help;
    };
    struct TCall {
        TOpenSaveType OsType;
        QString Title, Info, Help, FileNameIn;
    };
    std::deque<TAnswer> Answers;
    QList<TCall> Calls;
    TAnswer Last;

    bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help) override {
        Calls.append({OsType, Title, Info, Help, FileName});
        if (Answers.empty()) return false;
        Last = Answers.front();
        Answers.pop_front();
        FileName = Last.File;
        return Last.Ok;
    }
    // Trimmed as the real dialog trims them; GetTitleInfo gives them as typed.
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) override {
        GetTitleInfo(Title, Info);
        Help = Last.Help;
        TrimLineEnds(Title);
        TrimLineEnds(Info);
        TrimLineEnds(Help);
    }
    void GetTitleInfo(QString& Title, QString& Info) override {
        Title = Last.Title;
        Info = Last.Info;
    }
    void Open(const QString& File) { Answers.push_back({true, File, {}, {}, {}}); }
    void Save(const QString& File, const QString& Title = {}, const QString& Info = {},
              const QString& Help = {}) {
        Answers.push_back({true, File, Title, Info, Help});
    }
};
