// The play controls' decisions: press direction, Ctrl+arrow selection, pace and captions.
#include "rules/PlayInput.h"

#include <QFileInfo>

QChar DirectionToward(TSmallPoint PawnCell, int Col, int Row) {
    if (Col == PawnCell.x && Row == PawnCell.y) return QChar(NoDirection);
    if (Col == PawnCell.x) return Row < PawnCell.y ? u'U' : u'D';
    if (Row == PawnCell.y) return Col < PawnCell.x ? u'L' : u'R';
    return QChar(NoDirection);
}

int NearestPawnAlong(const TPlay& Play, QChar Dir) {
    const int n = Play.PawnIndex;
    if (n < 1 || n > Play.CurMap.PawnNb) return 0;
    const TSmallPoint at = Play.CurMap.PawnPos[n - 1];
    const bool horizontal = Dir == u'L' || Dir == u'R';
    const int step = (Dir == u'L' || Dir == u'U') ? -1 : 1;
    // Work in (along, across) coordinates: along the arrow, across it.
    const int along0 = horizontal ? at.x : at.y;
    const int across0 = horizontal ? at.y : at.x;
    const int alongMax = horizontal ? BoardCols - 1 : BoardRows - 1;
    const int acrossMax = horizontal ? BoardRows - 1 : BoardCols - 1;
    if ((step < 0 && along0 == 0) || (step > 0 && along0 == alongMax)) return 0;

    auto pawnAt = [&](int along, int across) {
        return horizontal ? Play.PawnAt(along, across) : Play.PawnAt(across, along);
    };
    // Scans one line from a starting point to the board's edge; a start off the board finds
    // nothing.
    auto scan = [&](int across, int from) {
        if (across < 0 || across > acrossMax) return 0;
        for (int a = from; a >= 0 && a <= alongMax; a += step)
            if (const int p = pawnAt(a, across); p > 0) return p;
        return 0;
    };
    if (const int p = scan(across0, along0 + step)) return p;
    for (int pass = 0; pass < 2; ++pass)
        for (int d = 1; across0 - d >= 0 || across0 + d <= acrossMax; ++d) {
            const int from = pass == 0 ? along0 + (2 * d - 1) * step : along0 + step;
            if (const int p = scan(across0 - d, from)) return p;
            if (const int p = scan(across0 + d, from)) return p;
        }
    return 0;
}

int AnimationInterval(int Speed) {
    return Speed * 3 + 15;
}

int AnimationStep(int Speed, int CellSize, bool Playback) {
    if (Playback && Speed >= 4) return CellSize / 3;
    return (6 - Speed) * CellSize / 16;
}

int PlaybackWait(int Speed) {
    return 50 / (Speed + 1);
}

QString MapCaption(const QString& MapTitle, const QString& FileName, bool InPack,
                   const QString& PackTitle, const QString& PackFileName) {
    auto withoutExtension = [](const QString& name) {
        const QFileInfo fi(name);
        const QString dir = fi.path();
        const QString base = fi.completeBaseName();
        return dir == QStringLiteral(".") ? base : dir + u'/' + base;
    };
    const QString sep = QStringLiteral("  ●  ");
    QString t = MapTitle;
    if (t.isEmpty())
        t = FileName.isEmpty() ? QStringLiteral("Nouveau tableau") : withoutExtension(FileName);
    if (InPack) t = (PackTitle.isEmpty() ? withoutExtension(PackFileName) : PackTitle) + sep + t;
    return QStringLiteral("Virelune") + sep + t;
}

QString MoveCountText(int MoveCount) {
    return QStringLiteral("%1").arg(qMax(MoveCount, 0), 3, 10, QChar(u'0'));
}

QString SolutionCountText(const QString& Solution) {
    if (Solution.isEmpty()) return QStringLiteral("(?)");
    return QStringLiteral("(%1 coups)").arg(Solution.size() / 2);
}

std::vector<TStopMark> StopsOf(const TPlay& Play, int Pawn) {
    std::vector<TStopMark> stops;
    if (Pawn < 1 || Pawn > Play.CurMap.PawnNb || Play.MoveInFlight()) return stops;
    for (const QChar dir : Directions) {
        TPlay trial = Play;
        trial.Listener = nullptr;
        if (trial.PlayMove(Pawn, dir) == moBlocked) continue;
        stops.push_back({dir, trial.CurMap.PawnPos[size_t(Pawn - 1)]});
    }
    return stops;
}
