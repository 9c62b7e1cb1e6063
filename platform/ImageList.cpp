// Image lists: renders the game's SVG pictures into cached pixmaps of any size and pixel ratio,
// and keeps them on disk between starts.
#include "platform/ImageList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QSysInfo>
#include <cmath>
#include <cstring>

static void InitAssets() {
    // The pictures live in a static library: make sure its resources are registered.
    static const bool done = [] {
        Q_INIT_RESOURCE(virelune_assets);
        return true;
    }();
    (void)done;
}

namespace {

// An entry on disk: magic, width and height in device pixels, the key it was drawn for, the
// pixels (ARGB32 premultiplied, rows packed), then a checksum of the pixels.
constexpr char EntryMagic[8] = {'V', 'L', 'P', 'I', 'C', 'T', '0', '1'};
constexpr qint64 KeySize = 20; // SHA-1
constexpr qint64 HeaderSize = sizeof EntryMagic + 8 + KeySize;

QString& CacheFolderSetting() {
    static QString folder = [] {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        return base.isEmpty() ? QString() : base + QStringLiteral("/pictures");
    }();
    return folder;
}

// Catches a damaged entry, not a forged one: the entry only saves work, it is never trusted with
// more than a picture.
quint64 PixelChecksum(const uchar* Data, qsizetype Size) {
    quint64 h = 0x9E3779B97F4A7C15ull ^ quint64(Size);
    qsizetype i = 0;
    for (; i + 8 <= Size; i += 8) {
        quint64 w;
        std::memcpy(&w, Data + i, 8);
        h = (h ^ w) * 0x100000001B3ull;
        h ^= h >> 29;
    }
    for (; i < Size; ++i) h = (h ^ Data[i]) * 0x100000001B3ull;
    return h;
}

void PutU32(char* Out, quint32 V) {
    std::memcpy(Out, &V, 4);
}

quint32 GetU32(const char* In) {
    quint32 v;
    std::memcpy(&v, In, 4);
    return v;
}

// The picture of Key read from Path, or a null image when the entry is missing, of another
// picture, size or version, truncated, padded or damaged.
QImage ReadEntry(const QString& Path, const QByteArray& Key, QSize Device) {
    // Only a plain file is read: opening a FIFO would wait for a writer forever.
    if (!QFileInfo(Path).isFile()) return {};
    QFile file(Path);
    // Unbuffered: the pixels go straight from the file into the image.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
    const qint64 pixelBytes = qint64(Device.width()) * Device.height() * 4;
    if (file.size() != HeaderSize + pixelBytes + 8) return {};
    char header[HeaderSize];
    if (file.read(header, HeaderSize) != HeaderSize) return {};
    if (std::memcmp(header, EntryMagic, sizeof EntryMagic) != 0) return {};
    if (GetU32(header + 8) != quint32(Device.width()) ||
        GetU32(header + 12) != quint32(Device.height()))
        return {};
    if (QByteArrayView(header + 16, KeySize) != QByteArrayView(Key)) return {};
    QImage image(Device, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || image.bytesPerLine() != Device.width() * 4) return {};
    if (file.read(reinterpret_cast<char*>(image.bits()), pixelBytes) != pixelBytes) return {};
    quint64 sum;
    if (file.read(reinterpret_cast<char*>(&sum), 8) != 8) return {};
    if (sum != PixelChecksum(image.constBits(), pixelBytes)) return {};
    return image;
}

// Writes the entry whole or not at all; a folder that cannot be written just means no cache.
void WriteEntry(const QString& Path, const QByteArray& Key, const QImage& Image) {
    const QFileInfo info(Path);
    if (!QDir().mkpath(info.absolutePath())) return;
    // Something else in the entry's place (a FIFO, a folder) is left alone: no cache for it.
    if (info.exists() && !info.isFile()) return;
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) return;
    char header[HeaderSize];
    std::memcpy(header, EntryMagic, sizeof EntryMagic);
    PutU32(header + 8, quint32(Image.width()));
    PutU32(header + 12, quint32(Image.height()));
    std::memcpy(header + 16, Key.constData(), KeySize);
    const qint64 pixelBytes = qint64(Image.width()) * Image.height() * 4;
    const quint64 sum = PixelChecksum(Image.constBits(), pixelBytes);
    file.write(header, HeaderSize);
    file.write(reinterpret_cast<const char*>(Image.constBits()), pixelBytes);
    file.write(reinterpret_cast<const char*>(&sum), 8);
    file.commit();
}

} // namespace

TImageList::TImageList(const QStringList& Pictures)
    : Files(Pictures), Digests(Pictures.size()), Renderers(Pictures.size()) {
    InitAssets();
}

TImageList::~TImageList() = default;

int TImageList::Count() const {
    return int(Files.size());
}

QString TImageList::CacheFolder() {
    return CacheFolderSetting();
}

void TImageList::SetCacheFolder(const QString& Folder) {
    CacheFolderSetting() = Folder;
}

QString TImageList::CacheEntry(const QString& File, QSize Device, qreal DevicePixelRatio) {
    // ":/assets/cells/Goal.svg" is kept as "cells-Goal-56x56@1.pict".
    const QFileInfo info(File);
    return QStringLiteral("%1/%2-%3-%4x%5@%6.pict")
        .arg(CacheFolder(), info.dir().dirName(), info.completeBaseName())
        .arg(Device.width())
        .arg(Device.height())
        .arg(QString::number(DevicePixelRatio, 'g', 6));
}

QByteArray TImageList::EntryKey(int Index, QSize Device, qreal DevicePixelRatio) const {
    QByteArray& digest = Digests[size_t(Index)];
    if (digest.isEmpty()) {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        // A compiled-in picture is hashed as stored, compressed or not, which names its text
        // just as well without unpacking it; a picture on disk is read.
        const QResource resource(Files[Index]);
        if (resource.isValid() && resource.data()) {
            hash.addData(QByteArray::number(int(resource.compressionAlgorithm())));
            hash.addData(QByteArrayView(resource.data(), resource.size()));
        } else {
            QFile svg(Files[Index]);
            if (svg.open(QIODevice::ReadOnly)) hash.addData(svg.readAll());
        }
        digest = hash.result();
    }
    // Everything the pixels depend on: the renderer, the picture's text, its size and ratio.
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(QByteArrayView(EntryMagic, sizeof EntryMagic));
    key.addData(QByteArray(qVersion()));
    key.addData(QByteArray::number(QSysInfo::ByteOrder));
    key.addData(Files[Index].toUtf8());
    key.addData(digest);
    key.addData(QStringLiteral("%1x%2@%3")
                    .arg(Device.width())
                    .arg(Device.height())
                    .arg(QString::number(DevicePixelRatio, 'g', 17))
                    .toUtf8());
    return key.result();
}

QImage TImageList::Render(int Index, QSize Device) const {
    QImage image(Device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    std::unique_ptr<QSvgRenderer>& slot = Renderers[size_t(Index)];
    if (!slot) {
        slot = std::make_unique<QSvgRenderer>(Files[Index]);
        // A picture asked for in a box of another shape (folder at 54 x 44) is centred.
        slot->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    QSvgRenderer& renderer = *slot;
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(Device)));
    }
    ++RenderCount;
    return image;
}

QPixmap TImageList::Bitmap(int Index, QSize Size, qreal DevicePixelRatio) const {
    if (Index < 0 || Index >= Count() || Size.isEmpty() || !(DevicePixelRatio > 0) ||
        !std::isfinite(DevicePixelRatio))
        return {};
    const QString key = QStringLiteral("%1/%2x%3@%4")
                            .arg(Index)
                            .arg(Size.width())
                            .arg(Size.height())
                            .arg(DevicePixelRatio);
    if (const auto it = Cache.constFind(key); it != Cache.constEnd()) return *it;
    const QSize device(qMax(1, qRound(Size.width() * DevicePixelRatio)),
                       qMax(1, qRound(Size.height() * DevicePixelRatio)));
    // Guard against absurd requests rather than exhausting memory.
    if (device.width() > 8192 || device.height() > 8192) return {};
    QImage image;
    if (!CacheFolder().isEmpty()) {
        const QString entry = CacheEntry(Files[Index], device, DevicePixelRatio);
        const QByteArray entryKey = EntryKey(Index, device, DevicePixelRatio);
        image = ReadEntry(entry, entryKey, device);
        if (image.isNull()) {
            image = Render(Index, device);
            WriteEntry(entry, entryKey, image);
        }
    } else {
        image = Render(Index, device);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(DevicePixelRatio);
    Cache.insert(key, pixmap);
    return pixmap;
}

namespace Images {

static QStringList Paths(const QString& Folder, const QStringList& Names) {
    QStringList files;
    files.reserve(Names.size());
    for (const QString& name : Names)
        files << QStringLiteral(":/assets/%1/%2.svg").arg(Folder, name);
    return files;
}

const TImageList& Cell() {
    static const TImageList list(Paths(
        "cells", {"WallVoid", "Void", "Goal", "Stop", "TurnA", "TurnB", "Button", "DoorDown"}));
    return list;
}

const TImageList& Rised() {
    static const TImageList list(Paths("rised", {"Wall", "DoorUp"}));
    return list;
}

const TImageList& Pawn() {
    static const TImageList list(Paths("pawns", {"PawnG", "PawnB"}));
    return list;
}

const TImageList& Glyph() {
    static const TImageList list(Paths("glyphs", {"Fast", "Slow", "Edit", "Play"}));
    return list;
}

const TImageList& Menu() {
    static const TImageList list(
        Paths("menu", {"Load", "SaveAs", "Pack", "Info", "About", "Remove"}));
    return list;
}

const TImageList& Buttons() {
    static const TImageList list(Paths("buttons", {"Save", "Undo", "Replay", "Help", "Solution"}));
    return list;
}

const TImageList& Message() {
    static const TImageList list(Paths("message", {"Flag", "Warning", "Error"}));
    return list;
}

const TImageList& OverView() {
    static const TImageList list(
        Paths("overview", {"OverView0", "OverView1", "OverView2", "OverView3", "OverView4",
                           "OverView5", "OverView6", "OverView7", "OverView8"}));
    return list;
}

const TImageList& TreeView() {
    static const TImageList list(Paths("treeview", {"Folder", "MapFile", "PackFile"}));
    return list;
}

const TImageList& Emblem() {
    static const TImageList list(Paths("emblem", {"Emblem"}));
    return list;
}

const TImageList& DialogIcons() {
    static const TImageList list(
        Paths("dialogs", {"Add", "Replace", "MoveUp", "MoveDown", "Rename"}));
    return list;
}

const TImageList& Progress() {
    static const TImageList list(Paths("progress", {"StarOutline", "StarFull"}));
    return list;
}

} // namespace Images
