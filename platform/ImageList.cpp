// Image lists: renders the game's SVG pictures into cached pixmaps of any size and pixel ratio.
#include "ImageList.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

static void InitAssets() {
    // The pictures live in a static library: make sure its resources are registered.
    static const bool done = [] {
        Q_INIT_RESOURCE(virelune_assets);
        return true;
    }();
    (void)done;
}

TImageList::TImageList(const QStringList& Pictures) : Files(Pictures), Renderers(Pictures.size()) {
    InitAssets();
}

TImageList::~TImageList() = default;

int TImageList::Count() const {
    return int(Files.size());
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
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
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
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
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
