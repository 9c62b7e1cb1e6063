// What the pack editor's tests share: a scripted file chooser, a sound map and the pack's titles.
#pragma once

#include "session/FileChooser.h"
#include "storage/MapFile.h"
#include "storage/MemoText.h"
#include "tests/TestSupport.h"

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

// One pawn, one goal: nothing for the verifier to say.
inline TMap SoundMap(const QString& Title, const QString& Solution = QStringLiteral("1R")) {
    TMap m = MapFromRows({"###########", "#1.......o#", "#.........#", "#.........#", "#.........#",
                          "#.........#", "#.........#", "###########"});
    m.Title = Title;
    m.Solution = Solution;
    return m;
}

inline QStringList PackTitles(const TPack& P) {
    QStringList l;
    for (unsigned k = 0; k < P.MapNb; ++k) l << P.Maps[k].Title;
    return l;
}
