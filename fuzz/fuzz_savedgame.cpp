// Fuzzes the settings file and the saved game: any bytes read as settings and restored onto each
// built-in example must be refused whole or give a game whose record undoes back to the start.
#include "storage/Examples.h"
#include "storage/SavedGame.h"
#include "storage/Settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TIniStore ini;
    ini.LoadText(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    const TSettings settings = ReadSettings(ini);
    const QRect screen(0, 0, 1920, 1080);
    const QRect room(0, 0, 1920, 1050);
    StoredWindowCentre(QRect(0, 0, 800, 600), settings);
    const TPlacement placement = WindowPlacement(screen, room, QRect(0, 0, 800, 600), settings);
    if (placement.Rect.width() < 640 || placement.Rect.height() < 512) std::abort();
    if (!placement.Maximized && settings.Width > 0 && !room.contains(placement.Rect) &&
        !screen.contains(placement.Rect))
        std::abort();

    for (int n = 1; n <= ExampleCount; ++n) {
        TSavedGame game = settings.Game;
        for (bool sameId : {false, true}) {
            if (sameId) game.ID = ExampleMap(n).ID; // reach the replay whatever ID the input has
            TPlay play;
            play.CurMap = ExampleMap(n);
            play.ResetPlay(true);
            if (!RestoreGame(play, game)) {
                if (play.MoveCount != 0 || play.CurMap.PawnPos != ExampleMap(n).PawnPos)
                    std::abort();
                continue;
            }
            const TSavedGame back = SavedGameOf(play);
            if (back.MoveCount != game.MoveCount || back.SolutionStack != game.SolutionStack ||
                back.PawnPos != game.PawnPos || back.DoorStateStack != game.DoorStateStack)
                std::abort();
            if (play.PawnIndex < 1 || play.PawnIndex > play.CurMap.PawnNb) std::abort();
            while (play.MoveCount > 0) {
                play.BeginUndo();
                play.FinishUndoChain();
            }
            if (!play.PawnMoveStack.empty() || play.CurMap.PawnPos != ExampleMap(n).PawnPos ||
                play.CurMap.Board != ExampleMap(n).Board)
                std::abort();
        }
    }
    return 0;
}
