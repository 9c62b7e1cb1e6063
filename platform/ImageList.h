// Image lists: the game's SVG pictures rendered at any requested size, cached per size and
// device pixel ratio so repeated requests cost nothing, and kept on disk between starts so the
// first frame is drawn without parsing a single SVG.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QStringList>
#include <memory>
#include <vector>

class QSvgRenderer;

class TImageList {
public:
    // Files: resource paths of the pictures, in index order.
    explicit TImageList(const QStringList& Files);
    ~TImageList();
    int Count() const;
    // The picture Index drawn into a Size bitmap (logical pixels) for the given pixel ratio;
    // the pixmap carries that ratio. An index out of range gives a null pixmap.
    QPixmap Bitmap(int Index, QSize Size, qreal DevicePixelRatio = 1.0) const;
    // How many pictures this list has drawn from their SVG (the others came from a cache).
    int Rendered() const { return RenderCount; }

    // The folder of rendered pictures kept between starts: by default "pictures" in the user's
    // cache folder. An empty folder means no disk cache.
    static QString CacheFolder();
    static void SetCacheFolder(const QString& Folder);
    // The file that holds the picture File drawn at Device pixels for the given ratio.
    static QString CacheEntry(const QString& File, QSize Device, qreal DevicePixelRatio);

private:
    QImage Render(int Index, QSize Device) const;
    QByteArray EntryKey(int Index, QSize Device, qreal DevicePixelRatio) const;

    QStringList Files;
    // A digest of each picture's SVG text, read when first needed: a changed picture never
    // matches the entries drawn from its old text.
    mutable std::vector<QByteArray> Digests;
    mutable int RenderCount = 0;
    // Each picture is parsed the first time it is drawn, so start-up reads only what it shows.
    mutable std::vector<std::unique_ptr<QSvgRenderer>> Renderers;
    mutable QHash<QString, QPixmap> Cache;
};

// The game's lists, built on first use. Indices as named below.
namespace Images {
enum TCellImage { ciWallVoid, ciVoid, ciGoal, ciStop, ciTurnA, ciTurnB, ciButton, ciDoorDown };
enum TRisedImage { riWall, riDoorUp };
enum TPawnImage { piPawnG, piPawnB };
enum TGlyphImage { giFast, giSlow, giEdit, giPlay };
enum TMenuImage { miLoad, miSaveAs, miPack, miInfo, miAbout, miRemove };
// The side panel's and save button's own pictures.
enum TButtonImage { biSave, biUndo, biReplay, biHelp, biSolution };
enum TMessageImage { meFlag, meWarning, meError };
// Thumbnail tiles OverView0..OverView8.
enum TTreeImage { tiFolder, tiMapFile, tiPackFile };
// The pack editor's and file browser's own button pictures.
enum TDialogIcon { diAdd, diReplace, diMoveUp, diMoveDown, diRename };
// The marks of a solved map in the Load and Pack menus.
enum TProgressImage { prStarOutline, prStarFull };

const TImageList& Cell();     // imgListCell
const TImageList& Rised();    // imgListRised
const TImageList& Pawn();     // imgListPawn
const TImageList& Glyph();    // ImgListGlyph
const TImageList& Menu();     // ImgListMenu
const TImageList& Buttons();  // rSave, rUndo, rReplay, rHelp, rSolution pictures
const TImageList& Message();  // ilMessage
const TImageList& OverView(); // ImgListOverView, nine thumbnail tiles
const TImageList& TreeView(); // ImgListTreeView
const TImageList& Emblem();   // the game's emblem (about box, window icon)
const TImageList& DialogIcons();
const TImageList& Progress();
} // namespace Images
