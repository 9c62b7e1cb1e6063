// The game's multi-line texts: their line breaks, their lines, their limits, and how an edit box
// shows them.
#pragma once

#include <QString>
#include <QStringList>

// Removes every trailing CR, LF and space.
void TrimLineEnds(QString& S);
// S with every line break in it (CR LF, lone CR or lone LF) replaced by With.
QString ReplaceLineBreaks(const QString& S, const QString& With);

// The lines of S: each CR LF, lone CR or lone LF ends a line, a final line break opens no new
// line, an empty text has none.
QStringList SplitTextLines(const QString& S);
// Number of lines of S, counted as SplitTextLines splits them.
int TextLineCount(const QString& S);

// The first Limit UTF-16 units of S, or one unit fewer when the cut would split an emoji
// (a surrogate pair) in two.
QString CutToLimit(const QString& S, int Limit);

// A text breaks its lines with CR LF and counts each break as two units; an edit box breaks
// them with LF. TextToMemo turns every break of S (CR LF, lone CR or lone LF) into LF;
// MemoToText turns the edit box's LF back into CR LF.
QString TextToMemo(const QString& S);
QString MemoToText(const QString& Memo);
// A text from an edit box cut to Limit units, never leaving the CR of a cut CR LF at its end.
QString CutMemoText(const QString& S, int Limit);
