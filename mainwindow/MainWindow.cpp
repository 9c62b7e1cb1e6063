// The main window's life: creating its controls, showing the first map, the toolbar's commands
// and what the play session reports about the document.
#include "mainwindow/MainWindow.h"

#include "panels/EditPanel.h"
#include "platform/BitmapRect.h"
#include "platform/InfoCallout.h"
#include "storage/Examples.h"
#include "platform/ImageList.h"
#include "platform/MenuMarks.h"
#include "rules/PlayInput.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"
#include "storage/Settings.h"

#include <QAction>
#include <QButtonGroup>
#include <QPropertyAnimation>
#include <QSizeGrip>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <algorithm>

namespace {
// Gives each control the name of its field: Names is the list of fields as written.
void NameEach(std::initializer_list<QObject*> Controls, const char* Names) {
    const QStringList names = QString::fromLatin1(Names).split(u',');
    qsizetype i = 0;
    for (QObject* control : Controls) control->setObjectName(names.value(i++).trimmed());
}
#define NAME_AFTER_FIELDS(...) NameEach({__VA_ARGS__}, #__VA_ARGS__)
} // namespace

TVirelMain::TVirelMain(TMessenger& Messenger, TFileChooser& Chooser, TMainWindowDialogs Opens)
    : QWidget(nullptr), Session(Messenger, Chooser), Dialogs(std::move(Opens)) {
    setWindowTitle(QStringLiteral("Virelune"));
    QPalette fill = palette();
    fill.setColor(QPalette::Window, QColor::fromRgba(0xFFD7E8F8));
    setPalette(fill);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(Images::Emblem().Bitmap(0, QSize(64, 64))));
    resize(764, 556);

    slToolBar = new TScaledLayout(QSizeF(ToolBarDesignWidth, ToolBarDesignHeight), this);
    pbBoard = new TBoardBox(this);
    pbBoard->OnPaint = [this](QPainter& Canvas, const QRegion& Pending) {
        pbBoardPaint(Canvas, Pending);
    };
    pbBoard->OnPress = [this](auto Button, auto Shift, QPointF Pos, bool DoubleClick) {
        pbBoardMouseDown(Button, Shift, Pos, DoubleClick);
    };
    pbBoard->OnMove = [this](auto Buttons, auto Shift, QPointF Pos) {
        pbBoardMouseMove(Buttons, Shift, Pos);
    };
    pbBoard->OnMenu = [this](QPoint GlobalPos) { pbBoardContextMenu(GlobalPos); };
    slPlay = new TScaledLayout(QSizeF(PlayDesignWidth, PlayDesignHeight), this);
    BuildToolBar();
    BuildPlayPanel();
    BuildEditPanel();
    BuildCallout();
    pmLoad = new QMenu(this);
    pmPack = new QMenu(this);
    pmBoard = new QMenu(this);
    KeepCheckMarksWithIcons(pmLoad);
    KeepCheckMarksWithIcons(pmPack);
    pmLoad->setToolTipsVisible(true);
    pmPack->setToolTipsVisible(true);
    pbBoard->setCursor(Qt::PointingHandCursor);
    btSave->setEnabled(false);
    btSaveAs->setEnabled(false);
    btUndo->setEnabled(false);
    btReplay->setEnabled(false);
    btSolution->setEnabled(false);
    PlaceChildren(CellMetrics(56));
    NameControls();
    Session.SetView(this);
    FormCreate();
}

TVirelMain::~TVirelMain() {
    Session.SetView(nullptr);
}

void TVirelMain::NameControls() {
    NAME_AFTER_FIELDS(slToolBar, slPlay, pbBoard, btLoad, btLoadPopup, btSave, btSaveAs, btPack,
                      btPackPopup, btInfo, btAbout, btEditPlay, rLoad, rSave, rSaveAs, rPack, rInfo,
                      rAbout, rEditPlay, pmLoad, pmPack, pmBoard, lbCount, tbSpeed, rFast, rSlow,
                      btUndo, btReplay, btHelp, btSolution, rUndo, rReplay, rHelp, rSolution,
                      lSolution, lSolutionCount, SolutionRotAnimation, SizeGrip, pnEdit, crInfo,
                      crSearch, lSearch);
}

void TVirelMain::FormCreate() {
    Initialized = false;
    ScaleFactor = 1.0f;
    CellSize = 0;
    for (int n = 1; n <= ExampleCount; ++n)
        AddMapItem(pmLoad, ExampleMap(n).Title, QStringLiteral("mnMap%1").arg(n), n);
    // Where the window stood when the game last closed; the rest waits for FormShow.
    IniFile = std::make_unique<TSettings>(ReadSettings(SettingsFilePath()));
    // The screen that holds the stored window's centre, so a window left on a second monitor
    // comes back there; the primary screen when none does.
    const QRect current(pos(), size());
    const std::optional<QPoint> centre = StoredWindowCentre(current, *IniFile);
    const QScreen* screen = centre ? QGuiApplication::screenAt(*centre) : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect whole = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    const QRect room = screen ? screen->availableGeometry() : whole;
    const TPlacement place = WindowPlacement(whole, room, current, *IniFile);
    setGeometry(place.Rect);
    if (place.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TVirelMain::FormShow() {
    pnEdit->SelectTool(etCell);
    CellSize = 56;
    const TImageList& menu = Images::Menu();
    rLoad->SetBitmap(Picture(menu, Images::miLoad, 92));
    rSaveAs->SetBitmap(Picture(menu, Images::miSaveAs, 92));
    rInfo->SetBitmap(Picture(menu, Images::miInfo, 92));
    rAbout->SetBitmap(Picture(menu, Images::miAbout, 92));
    rPack->SetBitmap(Picture(menu, Images::miPack, 96));
    const TImageList& own = Images::Buttons();
    rSave->SetBitmap(Picture(own, Images::biSave, 92));
    rUndo->SetBitmap(Picture(own, Images::biUndo, 80));
    rReplay->SetBitmap(Picture(own, Images::biReplay, 80));
    rHelp->SetBitmap(Picture(own, Images::biHelp, 80));
    rSolution->SetBitmap(Picture(own, Images::biSolution, 96));
    if (!Initialized) FormResize();

    // The speed, the mode, the map shown and the game in progress when the game last closed.
    const std::unique_ptr<TSettings> ini =
        IniFile ? std::move(IniFile) : std::make_unique<TSettings>();
    tbSpeed->setValue(ini->Speed);
    ShowStops = ini->ShowStops;
    Session.RestoreSettings(*ini);
}

bool TVirelMain::FormCloseQuery() {
    return Session.CloseQuery();
}

void TVirelMain::FormClose() {
    TSettings s;
    if (isMaximized()) {
        s.Width = -1;
    } else {
        const QRect g = geometry();
        s.Width = g.width();
        s.Height = g.height();
        s.Top = g.top();
        s.Left = g.left();
    }
    s.Speed = tbSpeed->value();
    s.ShowStops = ShowStops;
    // A failure is reported inside; the game closes all the same.
    Session.WriteSettingsAtClose(s);
}

void TVirelMain::AddMapItem(QMenu* Menu, const QString& Title, const QString& Name, int Tag) {
    // A title as a menu shows it: an ampersand is a letter, not an accelerator.
    QAction* item = Menu->addAction(QString(Title).replace(u'&', QStringLiteral("&&")));
    item->setObjectName(Name);
    item->setData(Tag);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, Tag] { mnLoadClick(Tag); });
}

void TVirelMain::CheckLoadedMenuItem() {
    const auto check = [](QMenu* menu, int item) {
        const auto actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i + 1 == item);
    };
    const TLoadedMap shown = Session.LoadedMap;
    check(pmLoad, shown.IsExample() ? shown.Number() : 0);
    check(pmPack, shown.IsPackMap() ? shown.Number() : 0);
}

void TVirelMain::ShowProgressMarks() {
    const auto mark = [this](QAction* item, const TMap& map) {
        const TProgressMark m = Session.MarkOf(map);
        const QSize size(32, 32);
        const qreal ratio = devicePixelRatioF();
        item->setIcon(m == pgNone ? QIcon()
                                  : QIcon(Images::Progress().Bitmap(
                                        m == pgOptimal ? Images::prStarFull : Images::prStarOutline,
                                        size, ratio)));
        item->setToolTip(Session.TipOf(map));
    };
    const auto examples = pmLoad->actions();
    for (int i = 0; i < examples.size() && i < ExampleCount; ++i)
        mark(examples[i], ExampleMap(i + 1));
    const auto packMaps = pmPack->actions();
    const TPack& pack = Session.CurPack;
    for (int i = 0; i < packMaps.size() && i < int(pack.MapNb); ++i)
        mark(packMaps[i], pack.Maps[size_t(i)]);
}

void TVirelMain::ProgressChanged() {
    ShowProgressMarks();
}

void TVirelMain::btLoadClick() {
    Session.OpenChosenFile();
}

void TVirelMain::btLoadPopupClick() {
    crInfo->hide();
    pmLoad->popup(btLoad->mapToGlobal(QPoint(0, btLoad->height())));
}

void TVirelMain::mnLoadClick(int Tag) {
    Session.ChooseMap(Tag);
    // The menu ticked the chosen item itself; when the player kept the map shown (or the save
    // dialog was closed) the marks must go back to that map.
    CheckLoadedMenuItem();
}

void TVirelMain::btSaveClick() {
    if (!btSave->isEnabled()) return;
    Session.SaveMap(false);
}

void TVirelMain::btSaveAsClick() {
    if (!btSaveAs->isEnabled()) return;
    Session.SaveMap(true);
}

void TVirelMain::btPackClick() {
    crInfo->hide();
    Session.CancelMove(true);
    if (Dialogs.ShowPackEditor) Dialogs.ShowPackEditor();
}

void TVirelMain::btPackPopupClick() {
    crInfo->hide();
    if (!btPackPopup->isEnabled()) return;
    pmPack->popup(btPack->mapToGlobal(QPoint(0, btPack->height())));
}

void TVirelMain::btAboutClick() {
    Session.CancelSearch();
    if (Dialogs.ShowAbout) Dialogs.ShowAbout();
}

void TVirelMain::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    if (!Shown) {
        Shown = true;
        FormShow();
    }
}

void TVirelMain::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    FormResize();
}

void TVirelMain::keyPressEvent(QKeyEvent* Event) {
    FormKeyDown(Event);
}

void TVirelMain::mousePressEvent(QMouseEvent* Event) {
    FormMouseDown();
    QWidget::mousePressEvent(Event);
}

void TVirelMain::closeEvent(QCloseEvent* Event) {
    // A second close request while the first one is still asking is not taken.
    if (Closing || !FormCloseQuery()) {
        Event->ignore();
        return;
    }
    Closing = true;
    Session.SetAnimation(TAnimation::Idle);
    if (Shown) FormClose();
    Event->accept();
}

// --- What the session reports ---

void TVirelMain::CellChanged(int Col, int Row) {
    InvalidateCell(Col, Row);
}

void TVirelMain::PawnChanged(int Index) {
    InvalidatePawn(Index);
    // Another pawn selected: its stop marks replace the old ones.
    if (ShowStops && Session.IsIdle()) InvalidateBoard();
}

void TVirelMain::BoardChanged() {
    InvalidateBoard();
}

void TVirelMain::CountersChanged() {
    const TPlay& play = Session.Play;
    lbCount->setText(MoveCountText(play.MoveCount));
    btUndo->setEnabled(Session.CanUndo());
    btReplay->setEnabled(Session.CanUndo());
    btSolution->setEnabled(Session.HasSolution());
    lSolutionCount->setText(SolutionCountText(play.CurMap.Solution));
}

void TVirelMain::DocumentChanged() {
    setWindowTitle(Session.Caption());
    btInfo->setEnabled(Session.HasInfo());
    btHelp->setEnabled(Session.HasHelp());
    btSave->setEnabled(Session.CanSave());
    btSaveAs->setEnabled(Session.EditMode);
    CheckLoadedMenuItem();
}

void TVirelMain::PackLoaded() {
    const TPack& pack = Session.CurPack;
    pmPack->clear();
    for (int n = 1; n <= int(pack.MapNb); ++n) {
        const QString& title = pack.Maps[size_t(n - 1)].Title;
        AddMapItem(pmPack, title.isEmpty() ? QStringLiteral("Nouveau tableau") : title,
                   QStringLiteral("mnPack%1").arg(n), -n);
    }
    btPackPopup->setEnabled(true);
    ShowProgressMarks();
}

void TVirelMain::MapShown() {
    crInfo->hide();
    if (btInfo->isEnabled()) btInfoClick();
}

void TVirelMain::CommandStarted() {
    crInfo->hide();
}

void TVirelMain::SearchShown(bool On) {
    if (On) {
        pbBoard->setCursor(Qt::BusyCursor);
        crSearch->show();
        crSearch->raise();
    } else {
        crSearch->hide();
        pbBoard->setCursor(Session.EditMode ? Qt::ArrowCursor : Qt::PointingHandCursor);
    }
}
