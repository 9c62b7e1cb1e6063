// The game in progress as the settings file keeps it: its encodings and its careful restore.
#pragma once

#include "rules/Play.h"
#include "rules/Types.h"

#include <QString>
#include <vector>

// The values of the settings' Play section, as text (see the encoders below).
struct TSavedGame {
    int MoveCount = 0;
    QString ID;
    int PawnIndex = 1;
    QString PawnPos;
    QString PawnMoveStack;
    QString SolutionStack;
    QString DoorStateStack;
};

// Column and row of each pawn of Map as two CodeAlphabet characters: "A307".
QString EncodePawnPos(const TMap& Map);
// Four characters per entry: the pawn number as "%2d", then its column and row. A settings
// value loses its leading spaces, so a first character that is a space is written "0":
// "0164 166".
QString EncodePawnMoveStack(const std::vector<TPawnMove>& Stack);
// Reads what EncodePawnMoveStack wrote (" 1", "01" and "-2" are pawn numbers). False, with
// Stack untouched, for anything else: a length that is not a multiple of 4, a pawn number that
// is not 1 to 6 or its negation, a cell off the board.
bool DecodePawnMoveStack(const QString& Text, std::vector<TPawnMove>& Stack);
// The moves in solution notation, as held in memory.
QString EncodeSolutionStack(const QString& SolutionStack);
// DoorNb letters per entry, one per door of the start snapshot: "H" lowered, "I" raised.
QString EncodeDoorStateStack(const std::vector<TDoorState>& Stack, int DoorNb);

// True when closing now keeps the game: moves played, play mode, a map with an ID.
bool GameIsSaved(const TPlay& Play, bool EditMode);
// The game in progress of Play, ready for the settings file.
TSavedGame SavedGameOf(const TPlay& Play);

// Restores Saved onto Play, which shows its map with play just started (ResetPlay(true)). The
// stored moves are played again from the start and the game is taken only when that replay
// gives exactly the stored move count, pawn positions, move record and door states, so the
// doors stand as they stood and undo walks back to the start. Anything else (another map,
// values cut short, out of range or from two different games) leaves Play at its start and
// returns false. A stored PawnIndex that names no pawn selects pawn 1.
bool RestoreGame(TPlay& Play, const TSavedGame& Saved);
