// Image lists: the game's SVG pictures rendered at any requested size, cached per size and
// device pixel ratio so repeated requests cost nothing.
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

private:
    QStringList Files;
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
