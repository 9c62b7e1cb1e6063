// The commands of the board's right-click menu: in play mode the hint, redo, undo, rewind, the
// previous and next map and the stop marks; in edit mode solving and a new map. Each with its
// text, the key that does the same, and whether it can act now.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class TPlaySession;

enum class TBoardCommand { Hint, Redo, Undo, Replay, PreviousMap, NextMap, ShowStops, Solve, New };

struct TBoardMenuItem {
    TBoardCommand Command;
    const char* Name; // the menu item's object name
    QString Text;
    QString Key; // as the player reads it on a French keyboard; empty for none
    bool Enabled;
    std::optional<bool> Checked = std::nullopt; // a check item, and its state
};

// The items for the session's mode and state; ShowStops is whether the stop marks show.
std::vector<TBoardMenuItem> BoardMenuItems(const TPlaySession& Session, bool ShowStops);

// Runs Command on Session; false for the stop marks, which are the window's to show.
bool RunBoardCommand(TPlaySession& Session, TBoardCommand Command);
