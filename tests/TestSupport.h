// Helpers the tests share: a message recorder that answers from a script, and boards drawn as text.
#pragma once

#include "rules/Messages.h"
#include "rules/Types.h"

#include <QList>
#include <algorithm>
#include <QPair>
#include <QStringList>

// Keeps every message shown and answers from a script (OK when the script runs out).
class TMessageRecorder : public TMessenger {
public:
    QList<QPair<TMsgType, QString>> Shown;
    QList<int> Answers;
    int ShowMsg(const QString& Msg, TMsgType DlgType) override {
        Shown.append({DlgType, Msg});
        return Answers.isEmpty()
                   ? (DlgType == mtQuestion || DlgType == mtFlagQuestion ? mrNo : mrOk)
                   : Answers.takeFirst();
    }
    QStringList Texts() const {
        QStringList l;
        for (const auto& m : Shown) l << m.second;
        return l;
    }
};

// Whether Shown is the game's write error for Path: the fixed first line, the path, and the
// system's reason, as an error.
inline bool IsWriteError(const QPair<TMsgType, QString>& Shown, const QString& Path) {
    const QStringList parts = Shown.second.split(QStringLiteral("\r\n"));
    return Shown.first == mtError && parts.size() == 3 &&
           parts[0] == QStringLiteral("Erreur lors de l'écriture du fichier") && parts[1] == Path &&
           !parts[2].isEmpty();
}

// A map drawn as text, one string per row of 11 symbols:
//   '#' wall, '.' floor, 'o' goal, 's' stop, 'A' turn A, 'B' turn B, 'b' button,
//   'd' lowered door, 'D' raised door, '1'..'6' a pawn on floor, and
//   'u'..'z' a pawn 1..6 standing on a goal.
inline TMap MapFromRows(const QStringList& rows) {
    TMap m;
    int pawns = 0;
    const QString onGoal = QStringLiteral("uvwxyz");
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x) {
            const QChar c = y < rows.size() && x < rows[y].size() ? rows[y][x] : QChar('#');
            TCellType t = ctWall;
            switch (c.unicode()) {
            case '.':
                t = ctVoid;
                break;
            case 'o':
                t = ctGoal;
                break;
            case 's':
                t = ctStop;
                break;
            case 'A':
                t = ctTurnA;
                break;
            case 'B':
                t = ctTurnB;
                break;
            case 'b':
                t = ctButton;
                break;
            case 'd':
                t = ctDoorDown;
                break;
            case 'D':
                t = ctDoorUp;
                break;
            default:
                break;
            }
            int pawn = 0;
            if (c >= QChar('1') && c <= QChar('6')) {
                pawn = c.unicode() - '0';
                t = ctVoid;
            }
            const int g = onGoal.indexOf(c);
            if (g >= 0) {
                pawn = g + 1;
                t = ctGoal;
            }
            m.SetCell(x, y, t);
            if (pawn > 0) {
                m.PawnPos[pawn - 1] = {std::int16_t(x), std::int16_t(y)};
                pawns = std::max(pawns, pawn);
            }
        }
    m.PawnNb = pawns;
    return m;
}
