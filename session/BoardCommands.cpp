// What the board's menu offers and what each item does.
#include "session/BoardCommands.h"

#include "session/PlaySession.h"

std::vector<TBoardMenuItem> BoardMenuItems(const TPlaySession& S, bool ShowStops) {
    using C = TBoardCommand;
    if (S.EditMode)
        return {
            {C::Solve, "mnSolve", QStringLiteral("Résoudre"), QStringLiteral("Ctrl+R"),
             S.CanSolveMap()},
            {C::New, "mnNew", QStringLiteral("Nouveau"), QString(), true},
        };
    const bool idle = S.IsIdle();
    return {
        {C::Hint, "mnHint", QStringLiteral("Indice"), QStringLiteral("i"),
         S.CanHint() && S.Searching() == TSearch::None},
        {C::Redo, "mnRedo", QStringLiteral("Rétablir"), QStringLiteral("Ctrl+Y"),
         idle && S.CanRedo() && !S.UndoChainRunning()},
        {C::Undo, "mnUndo", QStringLiteral("Annuler"), QStringLiteral("Retour arrière"),
         S.CanUndo()},
        {C::Replay, "mnReplay", QStringLiteral("Rejouer"), QStringLiteral("Ctrl+Entrée"),
         S.CanUndo()},
        {C::PreviousMap, "mnPrevMap", QStringLiteral("Tableau précédent"),
         QStringLiteral("Page préc."), S.CanGoToMap(-1)},
        {C::NextMap, "mnNextMap", QStringLiteral("Tableau suivant"), QStringLiteral("Page suiv."),
         S.CanGoToMap(1)},
        {C::ShowStops, "mnShowStops", QStringLiteral("Afficher les arrêts"), QStringLiteral("m"),
         true, ShowStops},
    };
}

bool RunBoardCommand(TPlaySession& Session, TBoardCommand Command) {
    switch (Command) {
    case TBoardCommand::Hint:
        Session.Hint();
        break;
    case TBoardCommand::Redo:
        Session.Redo();
        break;
    case TBoardCommand::Undo:
        Session.Undo();
        break;
    case TBoardCommand::Replay:
        Session.Replay();
        break;
    case TBoardCommand::PreviousMap:
    case TBoardCommand::NextMap:
        Session.GoToMap(Command == TBoardCommand::NextMap ? 1 : -1);
        break;
    case TBoardCommand::Solve:
        Session.SolveMap();
        break;
    case TBoardCommand::New:
        Session.NewMap();
        break;
    case TBoardCommand::ShowStops:
        return false;
    }
    return true;
}
