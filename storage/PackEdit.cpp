// Decides the pack editor's reports, status line and button states, and moves maps in a pack.
#include "storage/PackEdit.h"

#include <algorithm>
#include <utility>

namespace {
const QString LineBreak = QStringLiteral("\r\n");

int MapCount(const TPack& Pack) {
    return int(std::min(Pack.MapNb, unsigned(MaxMaps)));
}
} // namespace

bool TitleUsedFrom(const TPack& Pack, const QString& Title, int First) {
    for (int k = std::max(First, 1); k <= MapCount(Pack); ++k)
        if (Pack.Maps[k - 1].Title == Title) return true;
    return false;
}

TPackDefects FindPackDefects(const TPack& Pack) {
    TPackDefects d;
    for (int k = 0; k < MapCount(Pack); ++k) {
        const TMap& m = Pack.Maps[k];
        if (m.Title.isEmpty())
            ++d.NoTitle;
        else if (!d.SameTitles)
            d.SameTitles = TitleUsedFrom(Pack, m.Title, k + 2);
        if (m.Solution.isEmpty()) ++d.NoSolution;
    }
    return d;
}

QString PackDefectsText(int NoTitle, bool SameTitles, int NoSolution) {
    QString t;
    if (NoTitle > 0)
        t = LineBreak +
            (NoTitle == 1 ? QStringLiteral("Un tableau n'a")
                          : QString::number(NoTitle) + QStringLiteral(" tableaux n'ont")) +
            QStringLiteral(" pas de titre (un vide apparaitra dans le menu du bouton Pack).");
    if (SameTitles) t += LineBreak + QStringLiteral("Des titres sont identiques.");
    if (NoSolution == 1)
        t += LineBreak + QStringLiteral("Un tableau n'a pas de solution incluse.");
    else if (NoSolution > 1)
        t += LineBreak + QString::number(NoSolution) +
             QStringLiteral(" tableaux n'ont pas de solution incluse.");
    if (t.isEmpty()) return t;
    return QStringLiteral("🪳 Un ou plusieurs défauts détectés :") + t;
}

void ReportPackDefects(int NoTitle, bool SameTitles, int NoSolution, TMessenger& Messenger) {
    const QString text = PackDefectsText(NoTitle, SameTitles, NoSolution);
    if (!text.isEmpty()) Messenger.ShowMsg(text, mtWarning);
}

QString MapStatusText(const TPack& Pack, int Index, const QString& EditedTitle) {
    if (Index < 0 || Index >= MapCount(Pack)) return {};
    const QString& solution = Pack.Maps[Index].Solution;
    QString status = solution.isEmpty()
                         ? QStringLiteral("ℹ️Pas de solution incluse dans ce tableau")
                         : QStringLiteral("ℹ️Solution en ") +
                               QString::number(solution.size() / 2) + QStringLiteral(" coups");
    for (int k = 0; k < MapCount(Pack); ++k)
        if (k != Index && Pack.Maps[k].Title == EditedTitle)
            return QStringLiteral("⚠️Ce titre est déjà utilisé dans le pack") + LineBreak +
                   status;
    return status;
}

QString MapIntakeRemarks(const TPack& Pack, const TMap& M, int ReplaceIndex) {
    QString r;
    if (M.Title.isEmpty()) {
        r = LineBreak + QStringLiteral("⚠️Ce tableau n'a pas de titre.");
    } else {
        bool used = false;
        for (int k = 0; k < MapCount(Pack); ++k)
            if (k != ReplaceIndex && Pack.Maps[k].Title == M.Title) used = true;
        if (used)
            r = LineBreak +
                QStringLiteral("⚠️Le titre de ce tableau est déjà utilisé dans le pack.");
    }
    if (M.Solution.isEmpty())
        r += LineBreak + QStringLiteral("Ce tableau n'a pas de solution incluse.");
    return r;
}

TPackButtons PackButtonStates(const TPack& Pack, int Lines, int Selected) {
    const int n = MapCount(Pack);
    TPackButtons b;
    b.SaveAs = Lines > 0;
    b.Add = n < MaxMaps;
    b.Replace = b.Remove = b.Export = Selected >= 0;
    b.MoveUp = Selected > 0;
    b.MoveDown = Selected >= 0 && Selected < n - 1;
    return b;
}

bool AppendMap(TPack& Pack, const TMap& M) {
    if (Pack.MapNb >= unsigned(MaxMaps)) return false;
    Pack.Maps[Pack.MapNb] = M;
    ++Pack.MapNb;
    return true;
}

int RemoveMap(TPack& Pack, int Index) {
    const int n = MapCount(Pack);
    if (Index < 0 || Index >= n) return -1;
    for (int k = Index; k < n - 1; ++k) Pack.Maps[k] = std::move(Pack.Maps[k + 1]);
    Pack.Maps[n - 1] = TMap();
    Pack.MapNb = unsigned(n - 1);
    return std::min(Index, n - 2);
}

bool SwapMaps(TPack& Pack, int A, int B) {
    const int n = MapCount(Pack);
    if (A < 0 || B < 0 || A >= n || B >= n) return false;
    std::swap(Pack.Maps[A], Pack.Maps[B]);
    return true;
}
