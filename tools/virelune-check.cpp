// Command-line checker: reads maps and packs with the game's reader and plays their stored
// solutions with the game's rules, printing every message the game would show.
#include "storage/Examples.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "storage/MemoText.h"
#include "rules/Play.h"
#include "rules/Playback.h"
#include "rules/Solver.h"
#include "rules/Verify.h"

#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

const char Usage[] =
    "usage: virelune-check [--solve [--memory MiB]] [FILE...]\n"
    "Reads each map (.vrm) or pack (.vrp) FILE with the game's reader and plays\n"
    "the stored solution of every map read; with no FILE, checks the ten\n"
    "built-in examples. Exit status: 0 all read and solved, 1 otherwise,\n"
    "2 usage error.\n"
    "  --solve        also search each map read for its shortest solution and print\n"
    "                 \"optimum: N SOLUTION\" (\"optimum: 0\" when already solved),\n"
    "                 \"optimum: none\" when no solution exists, or \"optimum: unknown\"\n"
    "                 when the search reached its memory limit; exit status 1 also\n"
    "                 when a map has no solution or its search stopped\n"
    "  --memory MiB   memory limit of each search (default 2048)\n";

// The checker may use more memory than the game.
constexpr int DefaultMemoryMiB = 2048;

void PrintLine(const QString& Line) {
    const QByteArray bytes = Line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

// Every line break inside a message, however written, as the two characters \n.
QString OnOneLine(const QString& Text) {
    return ReplaceLineBreaks(Text, QStringLiteral("\\n"));
}

// Prints each message as "kind: text" and answers as a player who declines every question.
class TPrinter : public TMessenger {
public:
    int ShowMsg(const QString& Msg, TMsgType DlgType) override {
        PrintLine(MsgTypeName(DlgType) + QStringLiteral(": ") + OnOneLine(Msg));
        return DlgType == mtQuestion || DlgType == mtFlagQuestion ? mrNo : mrOk;
    }
};

// How many MiB a search may use; 0 when the map's shortest solution is not wanted.
int SolveMemoryMiB = 0;

// Prints the map's shortest solution from its start; false when there is none or the search
// stopped before it knew.
bool PrintOptimum(const TMap& Map, TPrinter& Printer) {
    TSolveOptions options;
    options.MemoryLimit = std::size_t(SolveMemoryMiB) * MiB;
    const TSolveResult r = Solve(Map, options);
    switch (r.Status) {
    case ssSolved:
        PrintLine(r.Moves == 0 ? QStringLiteral("optimum: 0")
                               : QStringLiteral("optimum: %1 %2").arg(r.Moves).arg(r.Solution));
        return true;
    case ssNoSolution:
        PrintLine(QStringLiteral("optimum: none"));
        return false;
    case ssStopped:
        break;
    }
    PrintLine(QStringLiteral("optimum: unknown"));
    Printer.ShowMsg(QStringLiteral("Recherche arrêtée : limite de mémoire atteinte (%1 Mo)")
                        .arg(SolveMemoryMiB),
                    mtWarning);
    return false;
}

// Checks one map; false when its stored solution does not solve it exactly, or, when asked to
// solve it, when it has no solution or the search stopped.
bool CheckMap(int Number, const TMap& Map, TPrinter& Printer) {
    PrintLine(QStringLiteral("map %1: ").arg(Number) + OnOneLine(Map.Title));
    Verify(Map, QString(), Printer);
    bool good = true;
    if (Map.Solution.isEmpty()) {
        // Nothing to play; the Solution button would stay disabled. Not a failure.
        Printer.ShowMsg(NoSolutionText(), mtInformation);
    } else {
        TPlay play;
        play.CurMap = Map;
        play.ResetPlay(true);
        good = PlayStoredSolution(play, Printer);
    }
    if (SolveMemoryMiB > 0) good = PrintOptimum(Map, Printer) && good;
    return good;
}

// A whole number of MiB from 1 up, or 0.
int ParseMiB(const QString& Text) {
    bool ok = false;
    const int n = Text.toInt(&ok);
    return ok && n > 0 && n <= 1024 * 1024 ? n : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList files;
    bool optionsEnded = false;
    bool solve = false;
    int memoryMiB = DefaultMemoryMiB;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg == QLatin1String("--solve")) {
            solve = true;
        } else if (!optionsEnded && arg == QLatin1String("--memory")) {
            memoryMiB = i + 1 < argc ? ParseMiB(QString::fromLocal8Bit(argv[++i])) : 0;
            if (memoryMiB == 0) {
                std::fprintf(stderr, "virelune-check: --memory needs a number of MiB from 1\n%s",
                             Usage);
                return 2;
            }
        } else if (!optionsEnded &&
                   (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            std::fputs(Usage, stdout);
            return 0;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            std::fprintf(stderr, "virelune-check: unknown option %s\n%s", argv[i], Usage);
            return 2;
        } else {
            files << arg;
        }
    }

    if (solve) SolveMemoryMiB = memoryMiB;

    TPrinter printer;
    bool allGood = true;
    if (files.isEmpty()) {
        for (int n = 1; n <= ExampleCount; ++n) {
            PrintLine(QStringLiteral("== exemple %1").arg(n));
            allGood = CheckMap(1, ExampleMap(n), printer) && allGood;
        }
        return allGood ? 0 : 1;
    }

    // Names are taken as given, relative to the current folder; the reader's messages name
    // them the same way.
    SetGameDir(QDir::currentPath());
    for (const QString& file : files) {
        PrintLine(QStringLiteral("== ") + file);
        TPack pack;
        if (!ReadMaps(osOpenBoth, pack, file, printer)) {
            allGood = false;
            continue;
        }
        const int mapNb = pack.MapNb == 0 ? 1 : int(pack.MapNb);
        for (int k = 1; k <= mapNb; ++k)
            allGood = CheckMap(k, pack.Maps[k - 1], printer) && allGood;
    }
    std::fflush(stdout);
    return allGood ? 0 : 1;
}
