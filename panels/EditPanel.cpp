// The editor's panel at its design places (70 × 516 units), its tools one under the other.
#include "panels/EditPanel.h"

#include "platform/BitmapRect.h"
#include "platform/FocusFrame.h"
#include "platform/ImageList.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"

#include <QButtonGroup>

namespace {
// Each tool: its name, its button's letter and place, its picture's place on the button, and
// that picture's cell (none for the pawn, whose picture keeps its size).
struct TToolPlace {
    const char* Name;
    const char* Picture;
    const char* Letter;
    QPointF At;
    QRectF PictureRect;
    int Cell;
};
constexpr QRectF CellPicture(4, 4, 42, 42);
const TToolPlace ToolPlaces[] = {
    {"sbCell", "rCell", "c", {10, 12}, CellPicture, Images::ciWallVoid},
    {"sbPawn", "rPawn", "p", {9, 70}, {6, 6, 40, 40}, -1},
    {"sbGoal", "rGoal", "g", {10, 128}, CellPicture, Images::ciGoal},
    {"sbStop", "rStop", "s", {10, 188}, CellPicture, Images::ciStop},
    {"sbTurn", "rTurn", "t", {10, 248}, CellPicture, Images::ciTurnA},
    {"sbButton", "rButton", "b", {10, 308}, CellPicture, Images::ciButton},
    {"sbDoor", "rDoor", "d", {10, 368}, CellPicture, Images::ciDoorDown},
};
} // namespace

TEditPanel::TEditPanel(TScaledLayout& ScaledLayout, double TextSize)
    : QWidget(&ScaledLayout), Layout(ScaledLayout) {
    setAutoFillBackground(true);
    QPalette panel = palette();
    panel.setColor(QPalette::Window, QColor(0xEC, 0xF3, 0xFB));
    setPalette(panel);
    Layout.Place(this, {0, 0, 70, 516});

    btNew = new TRoundButton(QStringLiteral("&Nouveau"), this);
    btNew->TextPlace = TRoundButton::tpBottom;
    btNew->setObjectName(QStringLiteral("btNew"));
    Layout.Place(btNew, {6, 7, 58, 53}, TextSize);
    rNew = new TBitmapRect(btNew);
    rNew->setObjectName(QStringLiteral("rNew"));
    Layout.Place(rNew, {14, 4, 30, 30});

    LayoutEdit = new QWidget(this);
    LayoutEdit->setObjectName(QStringLiteral("LayoutEdit"));
    Layout.Place(LayoutEdit, {0, 64, 70, 430});
    PaletteGroup = new QButtonGroup(this);
    PaletteGroup->setObjectName(QStringLiteral("PaletteGroup"));
    PaletteGroup->setExclusive(true);
    for (size_t i = 0; i < std::size(ToolPlaces); ++i) {
        const TToolPlace& t = ToolPlaces[i];
        auto* b = new TRoundButton(QLatin1String(t.Letter), LayoutEdit);
        b->setObjectName(QLatin1String(t.Name));
        b->setCheckable(true);
        PaletteGroup->addButton(b, int(i));
        Layout.Place(b, {t.At, QSizeF(50, 50)}, TextSize);
        Pictures[i] = new TBitmapRect(b);
        Pictures[i]->setObjectName(QLatin1String(t.Picture));
        Layout.Place(Pictures[i], t.PictureRect);
        connect(b, &QAbstractButton::clicked, this, [this, b] {
            sbClick(b);
            emit ToolPressed();
        });
        Buttons[i] = b;
    }
    rFocus = new TFocusFrame(LayoutEdit);
    rFocus->setObjectName(QStringLiteral("rFocus"));
    Layout.Place(rFocus, {7, 9, 56, 56});
    hide();
}

TEditTool TEditPanel::SelectedTool() const {
    const int id = PaletteGroup->checkedId();
    return id >= 0 && id < int(std::size(ToolPlaces)) ? TEditTool(id) : etCell;
}

void TEditPanel::SelectTool(TEditTool Tool) {
    Buttons[Tool]->setChecked(true);
}

void TEditPanel::sbClick(TRoundButton* Tool) {
    QRectF r = Layout.DesignRect(rFocus);
    r.moveTop(Layout.DesignRect(Tool).top() - 3);
    Layout.SetDesignRect(rFocus, r);
}

void TEditPanel::FetchPictures(int CellSize, qreal Ratio) {
    TBitmapRect* pawn = Pictures[etPawn];
    if (pawn->Bitmap().isNull())
        pawn->SetBitmap(Images::Pawn().Bitmap(Images::piPawnG, QSize(104, 104), Ratio));
    if (PictureSize == CellSize) return;
    PictureSize = CellSize;
    const QSize cell(CellSize, CellSize);
    rNew->SetBitmap(Images::Cell().Bitmap(Images::ciVoid, cell, Ratio));
    for (size_t i = 0; i < std::size(ToolPlaces); ++i)
        if (ToolPlaces[i].Cell >= 0)
            Pictures[i]->SetBitmap(Images::Cell().Bitmap(ToolPlaces[i].Cell, cell, Ratio));
}
