// Lists what makes a map unplayable or pointless, in one warning.
#include "rules/Verify.h"

#include <algorithm>

bool Verify(const TMap& Map, const QString& Msg, TMessenger& Messenger) {
    QString list = Msg;
    const QString nl = QStringLiteral("\r\n");
    if (Map.PawnNb == 0) list += nl + QStringLiteral("Il faut au moins un pion.");
    const int goals = CountCells(Map, ctGoal);
    if (goals == 0) {
        list += nl + QStringLiteral("Il faut au moins une case but.");
    } else if (Map.PawnNb > 0) {
        if (goals != Map.PawnNb) {
            list += nl + QStringLiteral("Il faut le même nombre de pions et de buts.");
        } else {
            bool allHome = true;
            for (int i = 0; i < Map.PawnNb && i < MaxPawns; ++i) {
                const TSmallPoint p = Map.PawnPos[i];
                if (!OnBoard(p.x, p.y) || Map.Cell(p.x, p.y) != ctGoal) allHome = false;
            }
            if (allHome) list += nl + QStringLiteral("Tous les pions sont déjà sur les buts.");
        }
    }
    const int buttons = CountCells(Map, ctButton);
    const int doors = CountCells(Map, ctDoorUp) + CountCells(Map, ctDoorDown);
    if (buttons == 0 && doors > 0)
        list += nl + QStringLiteral("Il faut au moins un bouton pour actionner les portes.");
    else if (buttons > 0 && doors == 0)
        list += nl + QStringLiteral("Il n'y a pas de porte à actionner par les boutons.");
    // Maps from files may hold pawns the editor could never place: on a wall, or two on a cell.
    const int pawns = std::min(Map.PawnNb, MaxPawns);
    for (int i = 0; i < pawns; ++i) {
        const TSmallPoint p = Map.PawnPos[i];
        if (OnBoard(p.x, p.y) && Map.Cell(p.x, p.y) == ctWall)
            list += nl + QStringLiteral("Le pion %1 est sur un mur.").arg(i + 1);
    }
    for (int i = 0; i < pawns; ++i)
        for (int j = i + 1; j < pawns; ++j)
            if (Map.PawnPos[i] == Map.PawnPos[j])
                list += nl + QStringLiteral("Les pions %1 et %2 sont sur la même case.")
                                 .arg(i + 1)
                                 .arg(j + 1);
    if (list.isEmpty()) return false;
    Messenger.ShowMsg(QStringLiteral("🪳 Un ou plusieurs défauts détectés :") + list,
                      mtWarning);
    return true;
}
