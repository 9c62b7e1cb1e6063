// Encodes the game in progress for the settings file and restores it by replaying its moves.
#include "storage/SavedGame.h"

#include <algorithm>

QString EncodePawnPos(const TMap& Map) {
    QString s;
    for (int p = 0; p < std::clamp(Map.PawnNb, 0, MaxPawns); ++p) {
        s += SafeCodeChar(Map.PawnPos[p].x);
        s += SafeCodeChar(Map.PawnPos[p].y);
    }
    return s;
}

QString EncodePawnMoveStack(const std::vector<TPawnMove>& Stack) {
    QString s;
    for (const TPawnMove& e : Stack) {
        s += QStringLiteral("%1").arg(int(e.Num), 2, 10, QLatin1Char(' ')).right(2);
        s += SafeCodeChar(e.Pos.x);
        s += SafeCodeChar(e.Pos.y);
    }
    if (s.startsWith(QLatin1Char(' '))) s[0] = QLatin1Char('0');
    return s;
}

bool DecodePawnMoveStack(const QString& Text, std::vector<TPawnMove>& Stack) {
    if (Text.size() % 4 != 0) return false;
    std::vector<TPawnMove> stack;
    stack.reserve(Text.size() / 4);
    for (qsizetype i = 0; i < Text.size(); i += 4) {
        const QChar sign = Text[i];
        const QChar digit = Text[i + 1];
        if (digit < QLatin1Char('1') || digit > QChar(u'0' + MaxPawns)) return false;
        int num = digit.unicode() - u'0';
        if (sign == QLatin1Char('-'))
            num = -num;
        else if (sign != QLatin1Char(' ') && sign != QLatin1Char('0'))
            return false;
        const int x = CodeValue(Text[i + 2]);
        const int y = CodeValue(Text[i + 3]);
        if (!OnBoard(x, y)) return false;
        stack.push_back({std::int8_t(num), {std::int16_t(x), std::int16_t(y)}});
    }
    Stack = std::move(stack);
    return true;
}

QString EncodeSolutionStack(const QString& SolutionStack) {
    return SolutionStack;
}

QString EncodeDoorStateStack(const std::vector<TDoorState>& Stack, int DoorNb) {
    QString s;
    for (const TDoorState& state : Stack)
        for (int d = 0; d < DoorNb; ++d) {
            const TCellType t = d < int(state.size()) ? state[d] : ctDoorDown;
            s += QChar(u'A' + std::min<int>(t, CellTypeCount - 1));
        }
    return s;
}

bool GameIsSaved(const TPlay& Play, bool EditMode) {
    return Play.MoveCount > 0 && !EditMode && !Play.CurMap.ID.isEmpty();
}

TSavedGame SavedGameOf(const TPlay& Play) {
    TSavedGame g;
    g.MoveCount = Play.MoveCount;
    g.ID = Play.CurMap.ID;
    g.PawnIndex = Play.PawnIndex;
    g.PawnPos = EncodePawnPos(Play.CurMap);
    g.PawnMoveStack = EncodePawnMoveStack(Play.PawnMoveStack);
    g.SolutionStack = EncodeSolutionStack(Play.SolutionStack);
    g.DoorStateStack = EncodeDoorStateStack(Play.DoorStateStack, Play.DoorNb());
    return g;
}

bool RestoreGame(TPlay& Play, const TSavedGame& Saved) {
    if (Saved.MoveCount <= 0 || Saved.ID.isEmpty() || Saved.ID != Play.CurMap.ID) return false;
    // Cheap checks first, so a hostile value costs no replay.
    if (Saved.SolutionStack.size() != 2 * qsizetype(Saved.MoveCount)) return false;
    if (Saved.PawnPos.size() != 2 * qsizetype(Play.CurMap.PawnNb)) return false;
    std::vector<TPawnMove> storedMoves;
    if (!DecodePawnMoveStack(Saved.PawnMoveStack, storedMoves)) return false;
    if (Play.DoorNb() == 0 ? !Saved.DoorStateStack.isEmpty()
                           : Saved.DoorStateStack.size() % Play.DoorNb() != 0)
        return false;

    // Replay on a copy that tells no one, so a refusal leaves Play exactly as it was.
    TPlay trial = Play;
    trial.Listener = nullptr;
    trial.ResetPlay(false);
    for (qsizetype i = 0; i < Saved.SolutionStack.size(); i += 2) {
        const int pawn = CodeValue(Saved.SolutionStack[i]);
        const QChar direction = Saved.SolutionStack[i + 1];
        if (pawn < 1 || pawn > trial.CurMap.PawnNb || !Directions.contains(direction)) return false;
        if (trial.PlayMove(pawn, direction) == moBlocked) return false;
    }
    if (trial.MoveCount != Saved.MoveCount || trial.SolutionStack != Saved.SolutionStack ||
        EncodePawnPos(trial.CurMap) != Saved.PawnPos || trial.PawnMoveStack != storedMoves ||
        EncodeDoorStateStack(trial.DoorStateStack, trial.DoorNb()) != Saved.DoorStateStack)
        return false;

    TPlayListener* listener = Play.Listener;
    const int shownPawn = Play.PawnIndex;
    Play = trial;
    Play.Listener = listener;
    Play.PawnDirection = QChar(NoDirection);
    Play.SolutionStep = 0;
    Play.PawnIndex = shownPawn;
    const bool known = Saved.PawnIndex >= 1 && Saved.PawnIndex <= Play.CurMap.PawnNb;
    Play.SelectPawn(known ? Saved.PawnIndex : 1);
    Play.SetMoveCount(Play.MoveCount);
    if (listener) listener->BoardChanged();
    return true;
}
