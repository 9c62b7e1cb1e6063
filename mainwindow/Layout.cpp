// Builds the toolbar, the side panels and the information callout at their design positions,
// runs the geometry pass on resize, and switches between play and edit mode.
#include "mainwindow/MainWindow.h"

#include "panels/EditPanel.h"
#include "platform/BitmapRect.h"
#include "platform/InfoCallout.h"
#include "platform/ImageList.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"
#include "platform/TrackBar.h"

#include <QButtonGroup>
#include <algorithm>
#include <QLabel>
#include <QPropertyAnimation>
#include <QSizeGrip>
#include <QSlider>
#include <QTimer>

namespace {

// Design font size of the toolkit's texts.
constexpr double TextSize = 12;

TRoundButton* ToolButton(QWidget* Parent, const QString& Text, int Corners) {
    auto* b = new TRoundButton(Text, Parent);
    b->TextPlace = TRoundButton::tpRight;
    b->Corners = Corners;
    return b;
}

TRoundButton* PanelButton(QWidget* Parent, const QString& Text) {
    auto* b = new TRoundButton(Text, Parent);
    b->TextPlace = TRoundButton::tpBottom;
    return b;
}

} // namespace

void TVirelMain::BuildToolBar() {
    auto* s = slToolBar;
    using B = TRoundButton;
    const int left = B::rcTopLeft | B::rcBottomLeft;
    const int right = B::rcTopRight | B::rcBottomRight;

    // Every toolbar button once: its text, rounded corners and place in design units. The popup
    // arrows belong to their buttons and start where those end; they are placed in the toolbar
    // itself so nothing clips them.
    const struct {
        TRoundButton* TVirelMain::*Button;
        const char* Text;
        int Corners;
        QRectF Place;
    } buttons[] = {
        {&TVirelMain::btLoad, "&Charger", left, {22, 4, 80, 32}},
        {&TVirelMain::btLoadPopup, "6", right, {22 + 79, 4, 20, 32}},
        {&TVirelMain::btSave, "&Sauver", B::rcAll, {128, 4, 78, 32}},
        {&TVirelMain::btSaveAs, "Sau&ver...", B::rcAll, {216, 4, 86, 32}},
        {&TVirelMain::btPack, "&Pack", left, {312, 4, 66, 32}},
        {&TVirelMain::btPackPopup, "6", right, {312 + 65, 4, 20, 32}},
        {&TVirelMain::btInfo, "&Information", B::rcAll, {414, 4, 103, 32}},
        {&TVirelMain::btAbout, "&A propos", B::rcAll, {588, 4, 88, 32}},
        {&TVirelMain::btEditPlay, "&Editer", B::rcAll, {688, 4, 72, 32}},
    };
    for (const auto& b : buttons) {
        this->*b.Button = ToolButton(s, QString::fromUtf8(b.Text), b.Corners);
        s->Place(this->*b.Button, b.Place, TextSize);
    }
    btLoadPopup->DownArrow = btPackPopup->DownArrow = true;
    QFont arrowFont = btLoadPopup->font();
    arrowFont.setBold(true);
    btLoadPopup->setFont(arrowFont);
    btPackPopup->setFont(arrowFont);
    btPackPopup->setEnabled(false);

    const auto icon = [s](TRoundButton* b, double x, double y) {
        auto* r = new TBitmapRect(b);
        s->Place(r, {x, y, 28, 28});
        return r;
    };
    rLoad = icon(btLoad, 3, 1);
    rSave = icon(btSave, 3, 2);
    rSaveAs = icon(btSaveAs, 3, 2);
    rPack = icon(btPack, 3, 2);
    rInfo = icon(btInfo, 2, 2);
    rAbout = icon(btAbout, 2, 2);
    rEditPlay = icon(btEditPlay, 3, 2);

    connect(btLoad, &QAbstractButton::clicked, this, [this] { btLoadClick(); });
    connect(btLoadPopup, &QAbstractButton::clicked, this, [this] { btLoadPopupClick(); });
    connect(btSave, &QAbstractButton::clicked, this, [this] { btSaveClick(); });
    connect(btSaveAs, &QAbstractButton::clicked, this, [this] { btSaveAsClick(); });
    connect(btPack, &QAbstractButton::clicked, this, [this] { btPackClick(); });
    connect(btPackPopup, &QAbstractButton::clicked, this, [this] { btPackPopupClick(); });
    connect(btInfo, &QAbstractButton::clicked, this, [this] { btInfoClick(); });
    connect(btAbout, &QAbstractButton::clicked, this, [this] { btAboutClick(); });
    connect(btEditPlay, &QAbstractButton::clicked, this, [this] { btEditPlayClick(); });
}

void TVirelMain::BuildPlayPanel() {
    auto* s = slPlay;
    lbCount = new QLabel(QStringLiteral("000"), s);
    lbCount->setAlignment(Qt::AlignCenter);
    lbCount->setFont(QFont(QStringLiteral("Arial")));
    QPalette countPalette = lbCount->palette();
    countPalette.setColor(QPalette::WindowText, QColor(0x41, 0x69, 0xE1)); // royal blue
    lbCount->setPalette(countPalette);
    s->Place(lbCount, {0, 0, 70, 54}, 28);

    // Drawn by the game itself so that its track and thumb follow the panel's scale.
    tbSpeed = new TTrackBar(19, s);
    tbSpeed->setRange(0, 4);
    tbSpeed->setSingleStep(1);
    tbSpeed->setPageStep(1);
    tbSpeed->setValue(2);
    tbSpeed->setInvertedAppearance(true); // fastest at the top, by the rabbit
    tbSpeed->setFocusPolicy(Qt::NoFocus);
    s->Place(tbSpeed, {18, 74, 19, 80});
    connect(tbSpeed, &QSlider::valueChanged, this, [this] { tbSpeedChange(); });

    rFast = new TBitmapRect(s, true);
    rSlow = new TBitmapRect(s, true);
    s->Place(rFast, {40, 60, 24, 24});
    s->Place(rSlow, {44, 136, 20, 20});
    connect(rFast, &TBitmapRect::Clicked, this, [this] { rFastClick(); });
    connect(rSlow, &TBitmapRect::Clicked, this, [this] { rSlowClick(); });

    const struct {
        TRoundButton* TVirelMain::*Button;
        const char* Text;
        QRectF Place;
    } buttons[] = {
        {&TVirelMain::btUndo, "Annuler", {8, 182, 56, 56}},
        {&TVirelMain::btReplay, "Rejouer", {8, 258, 56, 56}},
        {&TVirelMain::btHelp, "Aide", {8, 334, 56, 56}},
        {&TVirelMain::btSolution, "", {8, 410, 56, 68}},
    };
    for (const auto& b : buttons) {
        this->*b.Button = PanelButton(s, QString::fromUtf8(b.Text));
        s->Place(this->*b.Button, b.Place, TextSize);
    }
    const auto icon = [s](TRoundButton* b) {
        auto* r = new TBitmapRect(b);
        s->Place(r, {12, 3, 32, 32});
        return r;
    };
    rUndo = icon(btUndo);
    rReplay = icon(btReplay);
    rHelp = icon(btHelp);
    rSolution = icon(btSolution);
    lSolution = new QLabel(QStringLiteral("Solution"), btSolution);
    lSolution->setAlignment(Qt::AlignCenter);
    lSolution->setAttribute(Qt::WA_TransparentForMouseEvents);
    s->Place(lSolution, {0, 36, 56, 17}, TextSize);
    lSolutionCount = new QLabel(btSolution);
    lSolutionCount->setAlignment(Qt::AlignCenter);
    lSolutionCount->setAttribute(Qt::WA_TransparentForMouseEvents);
    s->Place(lSolutionCount, {0, 68 - 2 - 17, 56, 17}, 9);

    SolutionRotAnimation = new QPropertyAnimation(rSolution, "RotationAngle", this);
    SolutionRotAnimation->setStartValue(0.0);
    SolutionRotAnimation->setEndValue(360.0);
    SolutionRotAnimation->setDuration(4000);
    SolutionRotAnimation->setLoopCount(-1);

    connect(btUndo, &QAbstractButton::clicked, this, [this] { btUndoClick(); });
    connect(btReplay, &QAbstractButton::clicked, this, [this] { btReplayClick(); });
    connect(btHelp, &QAbstractButton::clicked, this, [this] { btHelpClick(); });
    connect(btSolution, &QAbstractButton::clicked, this, [this] { btSolutionClick(); });

    SizeGrip = new QSizeGrip(s);
    s->Place(SizeGrip, {47, 492, 16 * 1.5, 16 * 1.5});
}

void TVirelMain::BuildEditPanel() {
    pnEdit = new TEditPanel(*slPlay, TextSize);
    connect(pnEdit->btNew, &QAbstractButton::clicked, this, [this] { btNewClick(); });
    connect(pnEdit, &TEditPanel::ToolPressed, this, [this] { crInfo->hide(); });
}

void TVirelMain::BuildCallout() {
    // It belongs to the "Information" button: (-52, 28) from it, hanging over the board.
    crInfo = new TInfoCallout(this, *slToolBar, {414 - 52, 4 + 28, 217, 40}, TextSize);
    crInfo->BoldText->setObjectName(QStringLiteral("lPackInfo"));
    crInfo->PlainText->setObjectName(QStringLiteral("lMapInfo"));
    connect(crInfo, &TCalloutRect::Clicked, this, [this] { crInfoClick(); });
    crInfo->hide();

    // The same place tells that a search runs; it goes away with the search, not on a click.
    crSearch = new TCalloutRect(this);
    lSearch = new QLabel(QStringLiteral("🔎 Recherche de la meilleure suite…"), crSearch);
    lSearch->setTextFormat(Qt::PlainText);
    lSearch->setAttribute(Qt::WA_TransparentForMouseEvents);
    slToolBar->PlaceFloating(crSearch, {414 - 52, 4 + 28, 217, 37});
    slToolBar->Place(lSearch, {6, 16, TInfoCallout::TextWidth, 17}, TextSize);
    crSearch->hide();
}

QPixmap TVirelMain::Picture(const TImageList& List, int Index, int Size) const {
    return List.Bitmap(Index, QSize(Size, Size), devicePixelRatioF());
}

void TVirelMain::FetchSizedIcons() {
    const int g = CellSize >= 68 ? 64 : 32;
    rFast->SetBitmap(Picture(Images::Glyph(), Images::giFast, g));
    rSlow->SetBitmap(Picture(Images::Glyph(), Images::giSlow, g));
    // The palette's pictures follow the cell size too, but only matter once the edit panel
    // shows: fetched now in edit mode, else when the editor opens.
    if (Session.EditMode)
        pnEdit->FetchPictures(CellSize, devicePixelRatioF());
    else
        pnEdit->ForgetPictures();
}

void TVirelMain::PlaceChildren(const TCellMetrics& Metrics) {
    const int w = width(), h = height();
    slToolBar->setGeometry(0, 0, w, Metrics.ToolBarHeight);
    const int below = std::max(0, h - Metrics.ToolBarHeight);
    slPlay->setGeometry(std::max(0, w - Metrics.PlayWidth), Metrics.ToolBarHeight,
                        std::min(w, Metrics.PlayWidth), below);
    pbBoard->setGeometry(0, Metrics.ToolBarHeight, std::max(0, w - Metrics.PlayWidth), below);
    crInfo->raise();
    crSearch->raise();
}

void TVirelMain::FormResize() {
    if (CellSize <= 0) return;
    Geometry.Metrics.CellSize = CellSize;
    Geometry.Initialized = Initialized;
    Geometry.Resize(size());
    if (Geometry.TooSmall) {
        const QRect outer = frameGeometry();
        if (outer.width() < MinWindowWidth || outer.height() < MinWindowHeight) {
            const QSize frame = outer.size() - size();
            resize(std::max(outer.width(), MinWindowWidth) - frame.width(),
                   std::max(outer.height(), MinWindowHeight) - frame.height());
        }
        return;
    }
    const TCellMetrics& m = Geometry.Metrics;
    if (Geometry.Recomputed) {
        // A pawn gliding across the board keeps its place on the board at the new size.
        if (CellSize > 0 && m.CellSize != CellSize) {
            AnimPawnX = AnimPawnX * m.CellSize / CellSize;
            AnimPawnY = AnimPawnY * m.CellSize / CellSize;
        }
        CellSize = m.CellSize;
        ScaleFactor = m.ScaleFactor;
        PawnSize = m.PawnSize;
        PawnDelta = m.PawnDelta;
        RisedSize = m.RisedSize;
        WallDelta = m.WallDelta;
        tbSpeedChange();
    }
    // The panels follow the window on every resize, whatever the cell size did.
    PlaceChildren(Geometry.Metrics);
    if (Geometry.Recomputed) {
        FetchSizedIcons();
        Initialized = true;
    }
    if (Geometry.BordersChanged) {
        BorderX = Geometry.BorderX;
        BorderY = Geometry.BorderY;
        pbBoard->update();
    }
    PanelScaleY = Geometry.Aspect;
    for (QWidget* w : {pnEdit->Tools(), static_cast<QWidget*>(rFast), static_cast<QWidget*>(rSlow)})
        slPlay->SetScaleY(w, PanelScaleY);
}

bool TVirelMain::InfoVisible() const {
    return !crInfo->isHidden();
}

void TVirelMain::ToggleEditMode() {
    Session.SetEditMode(!Session.EditMode);
}

void TVirelMain::ModeChanged() {
    int glyph, size;
    if (!Session.EditMode) {
        btEditPlay->setText(QStringLiteral("&Editer"));
        glyph = Images::giEdit;
        size = CellSize >= 92 ? 76 : 46;
        pbBoard->setCursor(Qt::PointingHandCursor);
    } else {
        btEditPlay->setText(QStringLiteral("&Jouer"));
        glyph = Images::giPlay;
        size = CellSize >= 88 ? 88 : 44;
        pbBoard->setCursor(Qt::ArrowCursor);
        pnEdit->FetchPictures(CellSize, devicePixelRatioF());
    }
    rEditPlay->SetBitmap(Picture(Images::Glyph(), glyph, size));
    pnEdit->setVisible(Session.EditMode);
}

void TVirelMain::btEditPlayClick() {
    Session.EditPlayClick();
}

void TVirelMain::btInfoClick() {
    Session.CancelSearch();
    if (!btInfo->isEnabled()) return;
    if (InfoVisible()) {
        crInfo->hide();
        return;
    }
    crInfo->ShowTexts(Session.LoadedMap.IsPackMap() ? Session.CurPack.Info : QString(),
                      Session.Play.CurMap.Info);
}

void TVirelMain::crInfoClick() {
    crInfo->hide();
}

void TVirelMain::FormMouseDown() {
    crInfo->hide();
}
