// The stored solution played move by move, and the verdict on the player's own solution.
#pragma once

#include "rules/Messages.h"
#include "rules/Play.h"

// What the end of a game earns the player.
struct TVerdict {
    bool OfferSave = false; // ask whether to write the new solution into a file
    QString Text;           // the whole message, the question included when OfferSave
    TMsgType Kind = mtFlag;
};

// Offer followed by the question whether to write the new solution into a file.
QString SaveOfferText(const QString& Offer);

// Judges a solved game of MoveCount moves (SolutionStack) against the stored solution.
TVerdict JudgeSolution(const QString& Stored, int MoveCount, const QString& SolutionStack);

// How a playback goes on after one of its stored moves ended.
enum TPlaybackNext {
    pnNext,           // more stored moves to play
    pnFinished,       // solved by the last stored move
    pnContinuesAfter, // solved, but the stored solution goes on
    pnStopsBefore,    // no stored move left and the map is not solved
};

// Advances SolutionStep past the move that just ended and says what follows.
TPlaybackNext AfterStoredMove(TPlay& Play, bool Solved);

// The message that ends a playback (empty for pnNext), and its kind.
QString PlaybackEndText(TPlaybackNext Next);
TMsgType PlaybackEndKind(TPlaybackNext Next);

// Shown when a stored move cannot be played on the map.
QString IncompatibleSolutionText();
QString NoSolutionText();

// Rewinds, then plays the whole stored solution at once, showing the messages the Solution
// button would show. True when it ended with the map solved by its last stored move.
bool PlayStoredSolution(TPlay& Play, TMessenger& Messenger);
