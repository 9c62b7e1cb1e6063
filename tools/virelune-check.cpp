// Command-line checker: reads maps and packs with the game's reader and plays their stored
// solutions with the game's rules, printing every message the game would show.
#include "Examples.h"
#include "GameFolder.h"
#include "MapFile.h"
#include "MemoText.h"
#include "Play.h"
#include "Playback.h"
#include "Verify.h"

#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

const char Usage[] = "usage: virelune-check [FILE...]\n"
                     "Reads each map (.vrm) or pack (.vrp) FILE with the game's reader and plays\n"
                     "the stored solution of every map read; with no FILE, checks the ten\n"
                     "built-in examples. Exit status: 0 all read and solved, 1 otherwise,\n"
                     "2 usage error.\n";

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

// Checks one map; false when its stored solution does not solve it exactly.
bool CheckMap(int Number, const TMap& Map, TPrinter& Printer) {
    PrintLine(QStringLiteral("map %1: ").arg(Number) + OnOneLine(Map.Title));
    Verify(Map, QString(), Printer);
    if (Map.Solution.isEmpty()) {
        // Nothing to play; the Solution button would stay disabled. Not a failure.
        Printer.ShowMsg(NoSolutionText(), mtInformation);
        return true;
    }
    TPlay play;
    play.CurMap = Map;
    play.ResetPlay(true);
    return PlayStoredSolution(play, Printer);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
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
