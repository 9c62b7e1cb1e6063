// What the pack editor decides about its pack: titles in use, defects, the status line, which
// buttons work, and the moves of maps inside the pack.
#pragma once

#include "rules/Messages.h"
#include "rules/Types.h"

#include <QString>

// True when some map k with First <= k <= Pack.MapNb (1-based) is titled exactly Title.
bool TitleUsedFrom(const TPack& Pack, const QString& Title, int First);

// Defects of a pack that are reported but never refused.
struct TPackDefects {
    int NoTitle = 0;         // maps without a title
    bool SameTitles = false; // two maps share a non-empty title
    int NoSolution = 0;      // maps without a stored solution
};
TPackDefects FindPackDefects(const TPack& Pack);

// The warning for these defects, or an empty text when there is nothing to say.
QString PackDefectsText(int NoTitle, bool SameTitles, int NoSolution);
// Shows that warning, when there is one.
void ReportPackDefects(int NoTitle, bool SameTitles, int NoSolution, TMessenger& Messenger);

// The status line for map Index while its title field holds EditedTitle: its solution's length,
// after a first line that warns when another map of the pack already has that title.
QString MapStatusText(const TPack& Pack, int Index, const QString& EditedTitle);

// What is said about map M before it enters the pack, each remark on a line of its own that
// begins with CR LF; ReplaceIndex is the map it replaces (its title does not count), or -1.
QString MapIntakeRemarks(const TPack& Pack, const TMap& M, int ReplaceIndex);

// Which commands of the pack editor work, with Lines lines in its list and line Selected
// chosen (-1 for none).
struct TPackButtons {
    bool SaveAs = false;
    bool Add = false;
    bool Replace = false;
    bool Remove = false;
    bool Export = false;
    bool MoveUp = false;
    bool MoveDown = false;
    friend bool operator==(const TPackButtons&, const TPackButtons&) = default;
};
TPackButtons PackButtonStates(const TPack& Pack, int Lines, int Selected);

// Appends M; false (and nothing changes) when the pack already holds twenty maps.
bool AppendMap(TPack& Pack, const TMap& M);
// Takes map Index out, the later maps moving one place forward, and returns the line to select
// afterwards: the map that took its place, else the new last one, else -1 for an empty pack.
// An Index outside the pack changes nothing and returns -1.
int RemoveMap(TPack& Pack, int Index);
// Swaps maps A and B; false (and nothing changes) when either lies outside the pack.
bool SwapMaps(TPack& Pack, int A, int B);
