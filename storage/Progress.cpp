// Reads, merges and writes the player's progress per map in the settings file.
#include "storage/Progress.h"

#include "storage/SafeSave.h"
#include "rules/Types.h"

#include <algorithm>

namespace {
const QString ProgressSection = QStringLiteral("Progress");
const QString OptimumSection = QStringLiteral("Optimum");
constexpr int IDLength = 14;

// Reads the file at Path into Store, merges with Merge and writes it back when it changed.
template <typename F> bool Update(const QString& Path, TMessenger& Messenger, F Merge) {
    TProgressStore store;
    QString error;
    if (!store.Load(Path, &error)) {
        Messenger.ShowMsg(WriteErrorText(Path, error), mtError);
        return false;
    }
    if (!Merge(store)) return true;
    return store.Save(Path, Messenger);
}
} // namespace

bool TProgressStore::IsMapID(const QString& Key) {
    return Key.size() == IDLength &&
           std::all_of(Key.begin(), Key.end(), [](QChar c) { return CodeValue(c) >= 0; });
}

bool TProgressStore::Load(const QString& Path, QString* ErrorText) {
    return Ini.Load(Path, ErrorText);
}

int TProgressStore::Count(const QString& Section, const QString& ID) const {
    if (!IsMapID(ID)) return 0;
    bool ok = false;
    const int n = Ini.ReadString(Section, ID, QString(), Qt::CaseSensitive).toInt(&ok, 10);
    return ok && n > 0 ? n : 0;
}

int TProgressStore::Best(const QString& ID) const {
    return Count(ProgressSection, ID);
}

int TProgressStore::Optimum(const QString& ID) const {
    return Count(OptimumSection, ID);
}

bool TProgressStore::MergeWin(const QString& ID, int Moves) {
    if (!IsMapID(ID) || Moves <= 0) return false;
    const int best = Best(ID);
    if (best > 0 && best <= Moves) return false;
    Ini.WriteString(ProgressSection, ID, QString::number(Moves), Qt::CaseSensitive);
    return true;
}

bool TProgressStore::SetOptimum(const QString& ID, int Moves) {
    if (!IsMapID(ID) || Moves <= 0 || Optimum(ID) == Moves) return false;
    Ini.WriteString(OptimumSection, ID, QString::number(Moves), Qt::CaseSensitive);
    return true;
}

bool RecordWin(const QString& Path, const QString& ID, int Moves, TMessenger& Messenger) {
    return Update(Path, Messenger, [&](TProgressStore& s) { return s.MergeWin(ID, Moves); });
}

bool RecordOptimum(const QString& Path, const QString& ID, int Moves, TMessenger& Messenger) {
    return Update(Path, Messenger, [&](TProgressStore& s) { return s.SetOptimum(ID, Moves); });
}

int KnownOptimum(int Best, int Cached, const QString& StoredSolution) {
    int optimum = Cached > 0 ? Cached : int(StoredSolution.size() / 2);
    if (Best > 0 && optimum > 0 && Best < optimum) optimum = Best;
    return optimum;
}

TProgressMark ProgressMark(int Best, int Optimum) {
    if (Best <= 0) return pgNone;
    return Optimum > 0 && Best <= Optimum ? pgOptimal : pgSolved;
}

QString ProgressTip(int Best, int Optimum) {
    if (Best <= 0) return QStringLiteral("Pas encore résolu");
    const QString optimum = Optimum > 0 ? QString::number(Optimum) : QStringLiteral("?");
    return QStringLiteral("Résolu en %1 coups (optimum : %2)").arg(Best).arg(optimum);
}
