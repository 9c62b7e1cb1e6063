// Progress per map, kept in the settings file: the fewest moves the player has needed on each
// map ([Progress]) and the fewest any solution needs ([Optimum]), both by the map's ID.
#pragma once

#include "rules/Messages.h"
#include "storage/Settings.h"

#include <QString>

// How a map's item in the Load and Pack menus is marked.
enum TProgressMark {
    pgNone,    // never solved
    pgSolved,  // solved
    pgOptimal, // solved in the optimum's number of moves
};

// The two sections as read from the settings file. IDs are matched with their exact case, as
// IDs are case-sensitive. A value that is not a positive number, or a key that is no ID, is
// never read as progress and stays in the file as it was.
class TProgressStore {
public:
    // A map ID: 14 characters of CodeAlphabet.
    static bool IsMapID(const QString& Key);

    // A missing file is an empty store; false when an existing file cannot be read.
    bool Load(const QString& Path, QString* ErrorText = nullptr);
    void LoadText(const QByteArray& Text) { Ini.LoadText(Text); }
    QByteArray Text() const { return Ini.Text(); }

    // The fewest moves recorded for ID; 0 when it was never solved.
    int Best(const QString& ID) const;
    // The optimum cached for ID; 0 while it is unknown.
    int Optimum(const QString& ID) const;

    // A win in Moves: true when it is the first for ID or fewer than the best so far (only then
    // does the store change). A map without ID is not recorded.
    bool MergeWin(const QString& ID, int Moves);
    // The optimum found for ID; true when the store changed.
    bool SetOptimum(const QString& ID, int Moves);

    bool Save(const QString& Path, TMessenger& Messenger) const {
        return Ini.Save(Path, Messenger);
    }

private:
    int Count(const QString& Section, const QString& ID) const;
    TIniStore Ini;
};

// Records a win at once in the settings file at Path: read, merged, written back in one step
// when it improved on the record. Everything else in the file stays. A failed read or write
// shows the write error and gives false; the file keeps its earlier content.
bool RecordWin(const QString& Path, const QString& ID, int Moves, TMessenger& Messenger);
// The same for an optimum found by the solver.
bool RecordOptimum(const QString& Path, const QString& ID, int Moves, TMessenger& Messenger);

// The optimum to compare with: the cached one, else the stored solution's length, never more
// than the player's own best (a best below it proves it wrong); 0 when none is known.
int KnownOptimum(int Best, int Cached, const QString& StoredSolution);
TProgressMark ProgressMark(int Best, int Optimum);
// The menu item's tooltip: "Résolu en N coups (optimum : M)" ("?" for an unknown optimum) or
// "Pas encore résolu".
QString ProgressTip(int Best, int Optimum);
