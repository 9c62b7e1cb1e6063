// Fuzzes the map and pack reader: any bytes, opened every way the game opens a file, must give a
// message and never a crash; whatever reads well is looked over for defects without a crash and
// must write and read back the same.
#include "storage/MapFile.h"
#include "storage/MemoText.h"
#include "rules/Verify.h"

#include <QBuffer>
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

// Reads Bytes as the file's content.
bool Read(TOpenSaveType OsType, TPack& Pack, const QByteArray& Bytes, TMessenger& Messenger) {
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadMaps(OsType, Pack, buffer, Messenger);
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
    SetIdSeed(1); // the same fresh IDs for the same input, so a crash replays as it happened
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));

    TPack read;
    bool readOk = false;
    for (TOpenSaveType os :
         {osOpenBoth, osOpenMap, osOpenPack, osSaveMap, osSavePack, osViewPack}) {
        TPack pack;
        TCountingMessenger messenger;
        const bool ok = Read(os, pack, bytes, messenger);
        if (ok == (messenger.Errors > 0))
            std::abort(); // a failure always says why, success never errs
        if (os == osOpenBoth && ok) {
            read = pack;
            readOk = true;
        }
    }
    if (!readOk) return 0;

    // The editor, the pack editor and the checker look every map read over for its defects.
    for (unsigned i = 0; i < std::max(read.MapNb, 1u); ++i) {
        TCountingMessenger messenger;
        Verify(read.Maps[i], QString(), messenger);
    }

    // What the game read, it writes back in a form it reads again to the same maps.
    QByteArray out;
    if (read.MapNb == 0)
        WriteMap(out, read.Maps[0]);
    else
        WritePack(out, read);
    TPack again;
    TCountingMessenger messenger;
    if (!Read(osOpenBoth, again, out, messenger) || messenger.Errors > 0) std::abort();
    if (again.MapNb != read.MapNb) std::abort();
    for (unsigned i = 0; i < std::max(read.MapNb, 1u); ++i)
        if (!SameMap(read.Maps[i], again.Maps[i])) std::abort();
    return 0;
}
