// Fuzzes the map and pack reader: any bytes, opened every way the game opens a file, must give a
// message and never a crash; whatever reads well must write and read back the same.
#include "GameFolder.h"
#include "MapFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

class TCountingMessenger : public TMessenger {
public:
    int Errors = 0;
    int ShowMsg(const QString& /*Msg*/, TMsgType DlgType) override {
        if (DlgType == mtError) ++Errors;
        return mrOk;
    }
};

bool Put(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}

// A title cut at its limit may end with a space, which the next read trims.
QString Trimmed(QString S) {
    TrimLineEnds(S);
    return S;
}

bool SameMap(const TMap& a, const TMap& b) {
    return Trimmed(a.Title) == b.Title && a.Solution == b.Solution && a.PawnNb == b.PawnNb &&
           a.Board == b.Board &&
           std::equal(a.PawnPos.begin(), a.PawnPos.begin() + a.PawnNb, b.PawnPos.begin());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static QTemporaryDir dir;
    static const bool ready = [] {
        SetGameDir(dir.path());
        SetIdSeed(1);
        return dir.isValid();
    }();
    if (!ready) return 0;
    const QString name = QStringLiteral("fuzz.vrp");
    if (!Put(dir.filePath(name), QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size))))
        return 0;

    TPack read;
    bool readOk = false;
    for (TOpenSaveType os :
         {osOpenBoth, osOpenMap, osOpenPack, osSaveMap, osSavePack, osViewPack}) {
        TPack pack;
        TCountingMessenger messenger;
        const bool ok = ReadMaps(os, pack, name, messenger);
        if (ok == (messenger.Errors > 0))
            std::abort(); // a failure always says why, success never errs
        if (os == osOpenBoth && ok) {
            read = pack;
            readOk = true;
        }
    }
    if (!readOk) return 0;

    // What the game read, it writes back in a form it reads again to the same maps.
    QByteArray out;
    if (read.MapNb == 0)
        WriteMap(out, read.Maps[0]);
    else
        WritePack(out, read);
    if (!Put(dir.filePath(name), out)) return 0;
    TPack again;
    TCountingMessenger messenger;
    if (!ReadMaps(osOpenBoth, again, name, messenger) || messenger.Errors > 0) std::abort();
    if (again.MapNb != read.MapNb) std::abort();
    for (unsigned i = 0; i < std::max(read.MapNb, 1u); ++i)
        if (!SameMap(read.Maps[i], again.Maps[i])) std::abort();
    return 0;
}
