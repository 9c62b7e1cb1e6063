// Reads and writes map and pack files line by line, checks map IDs and shows the reader's messages.
#include "storage/MapFile.h"

#include "storage/GameFolder.h"
#include "storage/MemoText.h"
#include "rules/Play.h"
#include "storage/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <random>

namespace {

const QByteArray MapMagic = QByteArrayLiteral("VRM1-");
const QByteArray PackMagic = QByteArrayLiteral("VRP1-");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// The lines of an open file, read as bytes in large chunks. A line ends at LF; every CR inside
// it is dropped, which removes the CR of CR LF as well as a lone CR. Past the end, lines read as
// empty.
class TLineReader {
public:
    explicit TLineReader(QIODevice& Device) : Dev(Device) {}

    bool AtEnd() { return !Fill(); }
    bool ReadFailed() const { return Failed; }

    QByteArray ReadLineBytes() {
        QByteArray line;
        while (Fill()) {
            const char* start = Buffer.constData() + Pos;
            const qsizetype n = Buffer.size() - Pos;
            const char* end = static_cast<const char*>(std::memchr(start, '\n', std::size_t(n)));
            if (end) {
                line.append(start, end - start);
                Pos += (end - start) + 1;
                break;
            }
            line.append(start, n);
            Pos = Buffer.size();
        }
        line.removeIf([](char c) { return c == '\r'; });
        return line;
    }

    QString ReadLine() { return QString::fromUtf8(ReadLineBytes()); }

private:
    // True when unread bytes are in the buffer, reading the next chunk if needed.
    bool Fill() {
        if (Pos < Buffer.size()) return true;
        if (Done) return false;
        Buffer.resize(ChunkSize);
        const qint64 got = Dev.read(Buffer.data(), ChunkSize);
        Pos = 0;
        if (got <= 0) {
            Failed = got < 0;
            Done = true;
            Buffer.clear();
            return false;
        }
        Buffer.resize(got);
        return true;
    }

    static constexpr qint64 ChunkSize = 64 * 1024;
    QIODevice& Dev;
    QByteArray Buffer;
    qsizetype Pos = 0;
    bool Done = false;
    bool Failed = false;
};

// An unsigned decimal number of 32 bits: digits only, at least one.
bool ParseCount(const QByteArray& Text, quint32& Value) {
    if (Text.isEmpty()) return false;
    quint64 v = 0;
    for (char c : Text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + quint64(c - '0');
        if (v > 0xFFFFFFFFull) return false;
    }
    Value = quint32(v);
    return true;
}

// Count lines joined with CR LF, then trimmed. Reading stops at the end of the file: the lines
// past it would read as empty and the trim would remove them anyway, so a huge count costs
// nothing beyond the file's own size.
QString ReadLines(TLineReader& Lines, quint32 Count) {
    QByteArray bytes;
    for (quint32 i = 0; i < Count && !Lines.AtEnd(); ++i) {
        bytes += Lines.ReadLineBytes();
        bytes += LineEnd;
    }
    QString s = QString::fromUtf8(bytes);
    TrimLineEnds(s);
    return s;
}

// A title or solution goes on one line; a line break in it would break the file apart.
QString OneLine(const QString& S) {
    return ReplaceLineBreaks(S, QStringLiteral(" "));
}

void AppendLine(QByteArray& Out, const QString& S) {
    Out += S.toUtf8();
    Out += LineEnd;
}

std::mt19937_64& IdGenerator() {
    static std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    return generator;
}

QString CheckDigits(int Sum) {
    return QStringLiteral("%1").arg(Sum % 256, 2, 16, QChar('0')).toUpper();
}

// Everything one ReadMaps call shares with the map records it reads.
struct TReadContext {
    TLineReader& Lines;
    TPack& Pack;
    TMessenger& Messenger;
    QString Label; // " " for a map file, " 3 " for the third map of a pack

    void Warn(const QString& Text) { Messenger.ShowMsg(Text, mtWarning); }
};

// Cuts Text to Limit units, with the warning TooLong (its "%1" is the limit) when it was longer.
void KeepWithin(TReadContext& Ctx, QString& Text, int Limit, const QString& TooLong) {
    if (Text.size() <= Limit) return;
    Ctx.Warn(TooLong.arg(Limit));
    Text = CutToLimit(Text, Limit);
}

// Reads a line count, then that many lines into Text, cut to the texts' limit. False when the
// count is not a number.
bool ReadText(TReadContext& Ctx, QString& Text, const QString& TooLong) {
    quint32 count = 0;
    if (!ParseCount(Ctx.Lines.ReadLineBytes(), count)) return false;
    Text = ReadLines(Ctx.Lines, count);
    KeepWithin(Ctx, Text, MaxTextLength, TooLong);
    return true;
}

// Reads the lines of map record Index (1-based) that follow its header line. Returns the error
// text, empty on success.
QString ReadMap(TReadContext& Ctx, int Index, const QByteArray& Header) {
    TMap& map = Ctx.Pack.Maps[Index - 1];
    map = TMap();
    const QString& label = Ctx.Label;

    map.ID = QString::fromUtf8(Header.mid(MapMagic.size()));
    if (!MapIdIsValid(map.ID)) {
        map.ID.clear();
        Ctx.Warn(QStringLiteral("L'identifiant du tableau") + label +
                 QStringLiteral("est incorrect (il sera recalculé)"));
    }

    map.Title = Ctx.Lines.ReadLine();
    TrimLineEnds(map.Title);
    KeepWithin(Ctx, map.Title, MaxTitleLength,
               QStringLiteral("Le titre du tableau") + label +
                   QStringLiteral("est trop long (tronqué à %1)"));
    if (!ReadText(Ctx, map.Info,
                  QStringLiteral("L'information du tableau") + label +
                      QStringLiteral("est trop longue (tronquée à %1)")))
        return QStringLiteral("Mauvaise taille d'information");
    if (!ReadText(Ctx, map.Help,
                  QStringLiteral("L'aide du tableau") + label +
                      QStringLiteral("est trop longue (tronquée à %1)")))
        return QStringLiteral("Mauvaise taille d'aide");

    const QString formatError =
        QStringLiteral("Le tableau") + label + QStringLiteral("n'est pas au bon format (");

    const QString solution = Ctx.Lines.ReadLine();
    if (solution.size() % 2 != 0) return formatError + QStringLiteral("longueur de solution)");
    for (qsizetype i = 0; i < solution.size(); i += 2) {
        const int pawn = CodeValue(solution[i]);
        if (pawn < 0 || pawn > MaxPawns)
            return formatError + QStringLiteral("position dans solution)");
        if (!Directions.contains(solution[i + 1]))
            return formatError + QStringLiteral("direction dans solution)");
    }
    map.Solution = solution;

    const QString pawns = Ctx.Lines.ReadLine();
    if (pawns.size() % 2 != 0) return formatError + QStringLiteral("positions des pions)");
    if (pawns.size() / 2 > MaxPawns) return formatError + QStringLiteral("nombre de pions)");
    map.PawnNb = int(pawns.size() / 2);
    for (int p = 0; p < map.PawnNb; ++p) {
        const int x = CodeValue(pawns[2 * p]);
        const int y = CodeValue(pawns[2 * p + 1]);
        if (x < 0 || x >= BoardCols || y < 0 || y >= BoardRows)
            return formatError + QStringLiteral("position de pion)");
        map.PawnPos[p] = {std::int16_t(x), std::int16_t(y)};
    }

    const QString board = Ctx.Lines.ReadLine();
    if (board.size() != BoardCells) return formatError + QStringLiteral("taille de tableau)");
    for (int i = 0; i < BoardCells; ++i) {
        const char16_t c = board[i].unicode();
        if (c < u'A' || c >= u'A' + CellTypeCount)
            return formatError + QStringLiteral("valeur de cellule)");
        map.Board[i] = TCellType(c - u'A');
    }
    return {};
}

QString ReadErrorText(const QString& FullPath, const QString& SystemError) {
    return QStringLiteral("Erreur lors de la lecture du fichier\r\n") +
           QDir::toNativeSeparators(FullPath) + QStringLiteral("\r\n") + SystemError;
}

bool ReadOpenFile(TOpenSaveType OsType, TPack& Pack, TLineReader& Lines, TMessenger& Messenger) {
    auto fail = [&](const QString& Text) {
        Messenger.ShowMsg(Text, mtError);
        return false;
    };
    TReadContext ctx{Lines, Pack, Messenger, QStringLiteral(" ")};
    const QByteArray header = Lines.ReadLineBytes();

    if (header.startsWith(MapMagic)) {
        Pack.MapNb = 0;
        if (OsType == osOpenPack || OsType == osViewPack)
            return fail(QStringLiteral("Le fichier n'est pas un pack"));
        const QString error = ReadMap(ctx, 1, header);
        return error.isEmpty() || fail(error);
    }

    if (!header.startsWith(PackMagic))
        return fail(QStringLiteral(
            "Le fichier n'est ni un tableau ni un pack Virelune (mauvaise en-tête)"));

    if (OsType == osOpenMap) return fail(QStringLiteral("Le fichier n'est pas un tableau"));
    quint32 mapNb = 0;
    if (!ParseCount(header.mid(PackMagic.size()), mapNb))
        return fail(QStringLiteral("Mauvaise en-tête du pack"));
    if (mapNb < 1 || mapNb > unsigned(MaxMaps))
        return fail(QStringLiteral("Mauvais nombre de tableaux"));
    Pack.MapNb = mapNb;

    Pack.Title = Lines.ReadLine(); // a pack title is taken as it stands, untrimmed
    KeepWithin(ctx, Pack.Title, MaxTitleLength,
               QStringLiteral("Le titre du pack est trop long (tronqué à %1)"));
    if (!ReadText(ctx, Pack.Info,
                  QStringLiteral("L'information du pack est trop longue (tronquée à %1)")))
        return fail(QStringLiteral("Mauvaise taille d'information"));

    if (OsType == osViewPack) return true;

    unsigned read = 0;
    while (!Lines.AtEnd()) {
        if (read >= Pack.MapNb) {
            ctx.Warn(
                QStringLiteral("Le pack comporte des données en trop.\r\nElles sont ignorées"));
            break;
        }
        const QByteArray mapHeader = Lines.ReadLineBytes();
        if (!mapHeader.startsWith(MapMagic)) return fail(QStringLiteral("Mauvaise en-tête"));
        ++read;
        ctx.Label = QStringLiteral(" %1 ").arg(read);
        const QString error = ReadMap(ctx, int(read), mapHeader);
        if (!error.isEmpty()) return fail(error);
    }
    if (Lines.ReadFailed()) return false;
    if (read == 0) return fail(QStringLiteral("Le pack ne comporte pas de tableaux"));
    if (read < Pack.MapNb) {
        // The file ends early: keep what was read, and never offer the slots that were not.
        // French counts 0 and 1 in the singular.
        ctx.Warn(QStringLiteral("Le pack ne comporte que %1 %2 sur les %3 annoncés")
                     .arg(read)
                     .arg(read <= 1 ? QStringLiteral("tableau") : QStringLiteral("tableaux"))
                     .arg(Pack.MapNb));
        Pack.MapNb = read;
        for (unsigned i = read; i < unsigned(MaxMaps); ++i) Pack.Maps[i] = TMap();
    }
    return true;
}

} // namespace

void WriteLines(QByteArray& Out, const QString& S) {
    const QStringList lines = SplitTextLines(S);
    Out += QByteArray::number(lines.size());
    Out += LineEnd;
    for (const QString& line : lines) AppendLine(Out, line);
}

void WriteMap(QByteArray& Out, TMap& Map, const TPlay* StartState) {
    if (Map.ID.isEmpty()) Map.ID = NewMapId();
    Out += MapMagic;
    AppendLine(Out, OneLine(Map.ID));
    AppendLine(Out, OneLine(Map.Title));
    WriteLines(Out, Map.Info);
    WriteLines(Out, Map.Help);
    AppendLine(Out, OneLine(Map.Solution));

    QString pawns;
    const int pawnNb = std::clamp(Map.PawnNb, 0, MaxPawns);
    for (int p = 0; p < pawnNb; ++p) {
        const TSmallPoint pos = StartState ? StartState->PawnPosSave[p] : Map.PawnPos[p];
        pawns += SafeCodeChar(pos.x);
        pawns += SafeCodeChar(pos.y);
    }
    AppendLine(Out, pawns);

    QByteArray board(BoardCells, 'A');
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x) {
            TCellType cell = Map.Cell(x, y);
            if (StartState && (cell == ctDoorDown || cell == ctDoorUp)) {
                for (const TDoorPos& door : StartState->DoorPosSave)
                    if (door.Col == x && door.Row == y) cell = door.CellType;
            }
            board[CellIndex(x, y)] = cell < CellTypeCount ? char('A' + cell) : '?';
        }
    Out += board;
    Out += LineEnd;
}

void WritePack(QByteArray& Out, const TPack& Pack) {
    const unsigned mapNb = std::min(Pack.MapNb, unsigned(MaxMaps));
    Out += PackMagic;
    Out += QByteArray::number(mapNb);
    Out += LineEnd;
    AppendLine(Out, OneLine(Pack.Title));
    WriteLines(Out, Pack.Info);
    for (unsigned i = 0; i < mapNb; ++i) {
        TMap copy = Pack.Maps[i];
        WriteMap(Out, copy);
    }
}

namespace {

// Saves one of the game's files; a name that leads out of the game's folder through a link is
// refused, so a save never overwrites anything the game does not own.
bool SaveGameFile(const QString& FName, const QByteArray& Data, TMessenger& Messenger) {
    const QString path = GamePath(FName);
    if (!QDir::isAbsolutePath(FName) && !InsideGameFolder(path)) {
        Messenger.ShowMsg(WriteErrorText(path, OutsideGameFolderText()), mtError);
        return false;
    }
    return SaveFileAtomically(path, Data, Messenger);
}

} // namespace

bool WriteMapFile(const QString& FName, TMap& Map, const TPlay* StartState, TMessenger& Messenger) {
    QByteArray data;
    WriteMap(data, Map, StartState);
    return SaveGameFile(FName, data, Messenger);
}

bool WritePackFile(const QString& FName, const TPack& Pack, TMessenger& Messenger) {
    QByteArray data;
    WritePack(data, Pack);
    return SaveGameFile(FName, data, Messenger);
}

bool ReadMaps(TOpenSaveType OsType, TPack& Pack, const QString& FName, TMessenger& Messenger) {
    const QString path = GamePath(FName);
    // A FIFO or a device would block the read, and a link out of the game's folder is not one of
    // the game's files: both are as good as missing.
    if (!QFileInfo(path).isFile() || (!QDir::isAbsolutePath(FName) && !InsideGameFolder(path))) {
        Messenger.ShowMsg(QStringLiteral("Le fichier ") + FName + QStringLiteral(" n'existe pas"),
                          mtError);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Messenger.ShowMsg(ReadErrorText(path, file.errorString()), mtError);
        return false;
    }
    return ReadMaps(OsType, Pack, file, Messenger, path);
}

bool ReadMaps(TOpenSaveType OsType, TPack& Pack, QIODevice& Device, TMessenger& Messenger,
              const QString& ShownPath) {
    TLineReader lines(Device);
    const bool ok = ReadOpenFile(OsType, Pack, lines, Messenger);
    if (lines.ReadFailed()) {
        Messenger.ShowMsg(ReadErrorText(ShownPath, Device.errorString()), mtError);
        return false;
    }
    return ok;
}

QString NewMapId() {
    std::uniform_int_distribution<int> draw(0, int(CodeAlphabet.size()) - 1);
    QString id;
    int sum = 0;
    for (int i = 0; i < MapIdLength - 2; ++i) {
        const int v = draw(IdGenerator());
        id += CodeChar(v);
        sum += v;
    }
    return id + CheckDigits(sum);
}

bool MapIdIsValid(const QString& Id) {
    if (Id.size() != MapIdLength) return false;
    int sum = 0;
    for (int i = 0; i < MapIdLength - 2; ++i) {
        const int v = CodeValue(Id[i]);
        if (v < 0) return false;
        sum += v;
    }
    return Id.right(2) == CheckDigits(sum);
}

void SetIdSeed(std::uint64_t Seed) {
    IdGenerator().seed(Seed);
}
