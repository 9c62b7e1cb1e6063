// Plays a map's stored solution and judges the player's own against it.
#include "rules/Playback.h"

TVerdict JudgeSolution(const QString& Stored, int MoveCount, const QString& SolutionStack) {
    const int s = int(Stored.size() / 2);
    QString offer;
    if (s == 0) {
        offer = QStringLiteral("Solution trouvée 😎");
    } else if (s < MoveCount) {
        return {false, QStringLiteral("Bravo 👏\r\nMais il existe une meilleure solution"), mtFlag};
    } else if (s > MoveCount) {
        offer = QStringLiteral("Formidable ! Vous avez trouvé une meilleure solution  🍾");
    } else if (SolutionStack == Stored) {
        return {false, QStringLiteral(" Bien joué 👍"), mtFlag};
    } else {
        offer = QStringLiteral("Bien joué 👍\r\nVotre solution n'est pas exactement celle stockée.");
    }
    return {true, SaveOfferText(offer), mtFlagQuestion};
}

QString SaveOfferText(const QString& Offer) {
    return Offer + QStringLiteral("\r\nFaut-il l'écrire dans un fichier ?");
}

TPlaybackNext AfterStoredMove(TPlay& Play, bool Solved) {
    const int length = int(Play.CurMap.Solution.size());
    if (Solved) return length > Play.SolutionStep + 2 ? pnContinuesAfter : pnFinished;
    Play.SolutionStep += 2;
    return length > Play.SolutionStep ? pnNext : pnStopsBefore;
}

QString PlaybackEndText(TPlaybackNext Next) {
    switch (Next) {
    case pnFinished:
        return QStringLiteral("   Terminé 🥷");
    case pnContinuesAfter:
        return QStringLiteral("La solution enregistrée continue encore");
    case pnStopsBefore:
        return QStringLiteral("La solution enregistrée s'arrète avant la réussite");
    case pnNext:
        break;
    }
    return {};
}

TMsgType PlaybackEndKind(TPlaybackNext Next) {
    return Next == pnFinished ? mtFlag : mtError;
}

QString IncompatibleSolutionText() {
    return QStringLiteral("La solution enregistrée est incompatible avec le tableau");
}

QString NoSolutionText() {
    return QStringLiteral("ℹ️Pas de solution incluse dans ce tableau");
}

bool PlayStoredSolution(TPlay& Play, TMessenger& Messenger) {
    if (Play.CurMap.Solution.isEmpty()) {
        Messenger.ShowMsg(NoSolutionText(), mtInformation);
        return false;
    }
    Play.ResetPlay(false);
    Play.SolutionStep = 0;
    Play.SelectPawn(0);
    for (;;) {
        if (!Play.ReadStoredMove() || !Play.StartMove()) {
            Messenger.ShowMsg(IncompatibleSolutionText(), mtError);
            return false;
        }
        while (Play.Arrive() == arContinues) {
        }
        const TPlaybackNext next = AfterStoredMove(Play, Play.MoveSolved());
        if (next != pnNext) {
            Messenger.ShowMsg(PlaybackEndText(next), PlaybackEndKind(next));
            return next == pnFinished;
        }
    }
}
