// Times the map and pack files: a 20-map pack written and read many times, and hostile files of
// 1, 5 and 10 MB (endless lines, huge line counts) read once each to show the cost grows linearly.
#include "storage/Examples.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void Put(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(Bytes);
}

// A pack whose title is one endless line, whose information announces 4294967295 lines, and
// whose remaining bytes are short lines.
QByteArray HostilePack(qsizetype Size) {
    QByteArray b = "VRP1-20\r\n";
    b += QByteArray(Size / 2, 't');
    b += "\r\n4294967295\r\n";
    while (b.size() < Size) b += "ligne\r\n";
    return b;
}

// A map whose help announces 4294967295 lines, all empty: the trim has the most to do.
QByteArray HostileMap(qsizetype Size) {
    QByteArray b = "VRM1-00000000000101\r\nT\r\n0\r\n4294967295\r\n";
    b += QByteArray(Size - b.size(), '\n');
    return b;
}

double Microseconds(const QElapsedTimer& t, int n) {
    return double(t.nsecsElapsed()) / 1000.0 / n;
}

} // namespace

int main() {
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    SetGameDir(dir.path());
    TSilentMessenger quiet;

    TPack pack;
    pack.Title = QStringLiteral("Vingt tableaux");
    pack.Info = QStringLiteral("Les dix exemples,\r\ndeux fois");
    pack.MapNb = 20;
    for (int i = 0; i < 20; ++i) pack.Maps[i] = ExampleMap(i % 10 + 1);

    const int iterations = 2000;
    QElapsedTimer t;
    QByteArray bytes;
    t.start();
    for (int i = 0; i < iterations; ++i) {
        bytes.clear();
        WritePack(bytes, pack);
    }
    std::printf("encode 20-map pack (%lld bytes): %.1f us/op\n", qlonglong(bytes.size()),
                Microseconds(t, iterations));

    t.restart();
    for (int i = 0; i < iterations; ++i) WritePackFile(QStringLiteral("p.vrp"), pack, quiet);
    std::printf("write 20-map pack file (atomic): %.1f us/op\n", Microseconds(t, iterations));

    t.restart();
    for (int i = 0; i < iterations; ++i) {
        TPack in;
        ReadMaps(osOpenPack, in, QStringLiteral("p.vrp"), quiet);
    }
    std::printf("read 20-map pack file: %.1f us/op\n", Microseconds(t, iterations));

    t.restart();
    for (int i = 0; i < iterations; ++i) {
        TPack in;
        ReadMaps(osViewPack, in, QStringLiteral("p.vrp"), quiet);
    }
    std::printf("view 20-map pack header: %.1f us/op\n", Microseconds(t, iterations));

    for (const int mb : {1, 5, 10}) {
        const qsizetype size = qsizetype(mb) * 1024 * 1024;
        Put(dir.filePath("hostile.vrp"), HostilePack(size));
        Put(dir.filePath("hostile.vrm"), HostileMap(size));
        TPack in;
        t.restart();
        ReadMaps(osOpenBoth, in, QStringLiteral("hostile.vrp"), quiet);
        const double packMs = double(t.nsecsElapsed()) / 1e6;
        t.restart();
        ReadMaps(osOpenBoth, in, QStringLiteral("hostile.vrm"), quiet);
        const double mapMs = double(t.nsecsElapsed()) / 1e6;
        std::printf("hostile %2d MB: endless line + huge count %.1f ms, %d MB of empty lines "
                    "%.1f ms\n",
                    mb, packMs, mb, mapMs);
    }
    SetGameDir(QString());
    return 0;
}
