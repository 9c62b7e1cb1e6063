// The main window's life: creating its controls, showing the first map, and the document it holds
// (which map is shown, where it came from, the caption that says so).
#include "Virelune1.h"

#include "AboutUnit.h"
#include "BitmapRect.h"
#include "Callout.h"
#include "CenterForm.h"
#include "Examples.h"
#include "FileChooser.h"
#include "GameFolder.h"
#include "ImageList.h"
#include "LoadSaveDialogUnit.h"
#include "MapFile.h"
#include "MessageUnit.h"
#include "PackUnit.h"
#include "RoundButton.h"
#include "SavedGame.h"
#include "ScaledLayout.h"
#include "Settings.h"
#include "Verify.h"

#include <QAction>
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

TVirelMain* VirelMain = nullptr;

namespace {
const QString CaptionSeparator = QStringLiteral("  \u25CF  ");
const QString NewMapTitle = QStringLiteral("Nouveau tableau");

// A file name relative to the game's folder without its extension (its folder stays).
QString WithoutExtension(const QString& Name) {
    const int dot = Name.lastIndexOf(u'.');
    const int sep = std::max(Name.lastIndexOf(u'/'), Name.lastIndexOf(u'\\'));
    return dot > sep ? Name.left(dot) : Name;
}

// A title as a menu shows it: an ampersand is a letter, not an accelerator.
QString MenuText(const QString& Title) {
    QString t = Title;
    return t.replace(u'&', QStringLiteral("&&"));
}

// A stored file name the game may open: relative to the game's folder and inside it.
bool InGameFolder(const QString& Name) {
    if (Name.isEmpty() || QFileInfo(Name).isAbsolute() || Name.startsWith(u'/') ||
        Name.startsWith(u'\\'))
        return false;
    const QStringList parts = QString(Name).replace(u'\\', u'/').split(u'/');
    return !parts.contains(QStringLiteral("..")) && QFileInfo(GamePath(Name)).isFile();
}
} // namespace

TVirelMain::TVirelMain() : QWidget(nullptr) {
    VirelMain = this;
    setWindowTitle(QStringLiteral("Virelune"));
    QPalette fill = palette();
    fill.setColor(QPalette::Window, QColor::fromRgba(0xFFD7E8F8));
    setPalette(fill);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(Images::Emblem().Bitmap(0, QSize(64, 64))));
    resize(764, 556);

    Play.Listener = this;
    tAnimate = new QTimer(this);
    tAnimate->setTimerType(Qt::PreciseTimer); // ticks of 15 to 27 ms must keep their pace
    connect(tAnimate, &QTimer::timeout, this, [this] { tAnimateTimer(); });
    tUndo = new QTimer(this);
    tUndo->setInterval(350);
    connect(tUndo, &QTimer::timeout, this, [this] { Undo(); });

    slToolBar = new TScaledLayout(QSizeF(ToolBarDesignWidth, ToolBarDesignHeight), this);
    pbBoard = new TBoardBox(this, this);
    slPlay = new TScaledLayout(QSizeF(PlayDesignWidth, PlayDesignHeight), this);
    BuildToolBar();
    BuildPlayPanel();
    BuildEditPanel();
    BuildCallout();
    pmLoad = new QMenu(this);
    pmPack = new QMenu(this);
    pbBoard->setCursor(Qt::PointingHandCursor);
    btSave->setEnabled(false);
    btSaveAs->setEnabled(false);
    btUndo->setEnabled(false);
    btReplay->setEnabled(false);
    btSolution->setEnabled(false);
    PlaceChildren(CellMetrics(56));
    SetMainWindow(this, &ScaleFactor);
    FormCreate();
}

TVirelMain::~TVirelMain() {
    Play.Listener = nullptr;
    SetMainWindow(nullptr, nullptr);
    if (VirelMain == this) VirelMain = nullptr;
}

void TVirelMain::FormCreate() {
    Initialized = false;
    ScaleFactor = 1.0f;
    CellSize = 0;
    for (int n = 1; n <= ExampleCount; ++n) {
        QAction* item = pmLoad->addAction(MenuText(ExampleMap(n).Title));
        item->setObjectName(QStringLiteral("mnMap%1").arg(n));
        item->setData(n);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, n] { mnLoadClick(n); });
    }
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
    AnimationMode = 0;
    sbCell->setChecked(true);
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

    if (!Chooser) Chooser = LoadSaveForm;

    // The speed, the mode, the map shown and the game in progress when the game last closed.
    const std::unique_ptr<TSettings> ini =
        IniFile ? std::move(IniFile) : std::make_unique<TSettings>();
    LoadedMap = 1;
    tbSpeed->setValue(ini->Speed);
    EditMode = !ini->EditMode;
    ToggleEditMode();
    const int stored = ini->LoadedMap;
    if (stored > 0 && stored <= ExampleCount) {
        LoadedMap = stored;
    } else if (stored <= 0 && stored >= -MaxMaps) {
        // A file that has gone, or that cannot be read, leaves the first example.
        if (!InGameFolder(ini->FileName) || !LoadFile(ini->FileName, stored == 0 ? 1 : -stored))
            LoadedMap = 1;
    }
    if (LoadedMap > 0) {
        FileName.clear();
        ShowMap(ExampleMap(LoadedMap));
    }
    // The game comes back only onto the very map it was played on; RestoreGame replays it and
    // leaves the map at its start when anything disagrees.
    const TSavedGame& game = ini->Game;
    if (!EditMode && game.MoveCount > 0 && !game.ID.isEmpty() && game.ID == Play.CurMap.ID)
        RestoreGame(Play, game);
    InvalidateBoard();
}

bool TVirelMain::FormCloseQuery() {
    CancelMove(true);
    if (Changed <= 0) return true;
    switch (ShowMsg(QStringLiteral("💾 Sauver les modifications faites avant de quitter ?"),
                    mtQuestion)) {
    case mrNo:
        return true;
    case mrYes:
        return SaveMap(true);
    default:
        return false;
    }
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
    s.EditMode = EditMode;
    s.LoadedMap = LoadedMap;
    if (LoadedMap <= 0) s.FileName = LoadedMap == 0 ? FileName : PackFileName;
    s.Game = SavedGameOf(Play);
    s.Game.MoveCount = Play.MoveCount;
    // A failure is reported inside; the game closes all the same.
    WriteSettings(SettingsFilePath(), s, GameIsSaved(Play, EditMode), *this);
}

int TVirelMain::ShowMsg(const QString& Msg, TMsgType DlgType) {
    if (Messenger) return Messenger->ShowMsg(Msg, DlgType);
    if (MessageForm) return MessageForm->ShowMsg(Msg, DlgType);
    return mrCancel;
}

void TVirelMain::UpdateCaption(bool InPack) {
    const TMap& map = Play.CurMap;
    QString t = map.Title;
    if (t.isEmpty()) t = FileName.isEmpty() ? NewMapTitle : WithoutExtension(FileName);
    if (InPack)
        t = (CurPack.Title.isEmpty() ? WithoutExtension(PackFileName) : CurPack.Title) +
            CaptionSeparator + t;
    setWindowTitle(QStringLiteral("Virelune") + CaptionSeparator + t);
    btInfo->setEnabled(!map.Info.isEmpty() || (InPack && !CurPack.Info.isEmpty()));
    btHelp->setEnabled(!map.Help.isEmpty());
}

void TVirelMain::SetChanged(int Value) {
    Changed = Value;
    btSave->setEnabled(Changed > 0 && EditMode);
    btSaveAs->setEnabled(EditMode);
    if (Changed == 1) {
        Play.CurMap.ID.clear();
        if (LoadedMap != 0)
            DetachMap();
        else
            Play.SetSolution(QString());
    }
}

void TVirelMain::DetachMap() {
    LoadedMap = 0;
    FileName.clear();
    CheckLoadedMenuItem();
    Play.SetSolution(QString());
    TMap& map = Play.CurMap;
    map.ID.clear();
    map.Title.clear();
    map.Info.clear();
    map.Help.clear();
    UpdateCaption(false);
}

void TVirelMain::CheckLoadedMenuItem() {
    const auto check = [](QMenu* menu, int item) {
        const auto actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i + 1 == item);
    };
    check(pmLoad, LoadedMap > 0 ? LoadedMap : 0);
    check(pmPack, LoadedMap < 0 ? -LoadedMap : 0);
}

void TVirelMain::StartPlay() {
    if (LoadedMap == 0) Verify(Play.CurMap, QString(), *this);
    Play.ResetPlay(true);
}

void TVirelMain::ShowMap(const TMap& Map) {
    const TMap copy = Map; // Map may be CurMap itself or a record that a message could change
    CheckLoadedMenuItem();
    TMap& cur = Play.CurMap;
    cur.ID = copy.ID;
    cur.Title = copy.Title;
    cur.Info = copy.Info;
    cur.Help = copy.Help;
    UpdateCaption(LoadedMap < 0);
    cur.PawnNb = std::clamp(copy.PawnNb, 0, MaxPawns);
    for (int i = 0; i < cur.PawnNb; ++i) cur.PawnPos[size_t(i)] = copy.PawnPos[size_t(i)];
    cur.Board = copy.Board;
    Play.SetSolution(copy.Solution);
    SetChanged(0);
    if (!EditMode) {
        StartPlay();
        crInfo->hide();
        if (btInfo->isEnabled()) btInfoClick();
    }
    InvalidateBoard();
}

void TVirelMain::btLoadClick() {
    crInfo->hide();
    if (!ConfirmDiscard() || !Chooser) return;
    if (Chooser->Execute(osOpenBoth, QString(), QString(), QString()))
        LoadFile(Chooser->FileName, 1);
}

void TVirelMain::btLoadPopupClick() {
    crInfo->hide();
    pmLoad->popup(btLoad->mapToGlobal(QPoint(0, btLoad->height())));
}

void TVirelMain::mnLoadClick(int Tag) {
    const bool known = Tag != 0 && Tag <= ExampleCount && (Tag > 0 || -Tag <= int(CurPack.MapNb));
    if (known && ConfirmDiscard()) {
        LoadedMap = Tag;
        FileName.clear();
        ShowMap(Tag > 0 ? ExampleMap(Tag) : CurPack.Maps[size_t(-Tag - 1)]);
    }
    // The menu ticked the chosen item itself; when the player kept the map shown (or the save
    // dialog was closed) the marks must go back to that map.
    CheckLoadedMenuItem();
}

void TVirelMain::btSaveClick() {
    if (!btSave->isEnabled()) return;
    SaveMap(false);
}

void TVirelMain::btSaveAsClick() {
    if (!btSaveAs->isEnabled()) return;
    SaveMap(true);
}

void TVirelMain::btPackClick() {
    crInfo->hide();
    CancelMove(true);
    if (!PackForm) return;
    CenterForm(PackForm, PackForm->Layout);
    PackForm->exec();
}

void TVirelMain::btPackPopupClick() {
    crInfo->hide();
    if (!btPackPopup->isEnabled()) return;
    pmPack->popup(btPack->mapToGlobal(QPoint(0, btPack->height())));
}

void TVirelMain::btAboutClick() {
    if (!AboutForm) return;
    CenterForm(AboutForm, AboutForm->Layout);
    AboutForm->exec();
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
    SetAnimationMode(0);
    if (Shown) FormClose();
    Event->accept();
}

// --- What the rules report ---

void TVirelMain::CellChanged(int x, int y) {
    InvalidateCell(x, y);
}

void TVirelMain::SelectionChanged(int OldIndex, int NewIndex) {
    if (OldIndex > 0) InvalidatePawn(OldIndex);
    if (NewIndex > 0) InvalidatePawn(NewIndex);
}

void TVirelMain::BoardChanged() {
    InvalidateBoard();
}

void TVirelMain::MoveCountChanged(int MoveCount) {
    lbCount->setText(QString::asprintf("%.3u", unsigned(std::max(0, MoveCount))));
    btUndo->setEnabled(MoveCount > 0);
    btReplay->setEnabled(MoveCount > 0);
}

void TVirelMain::SolutionChanged(const QString& Solution) {
    btSolution->setEnabled(!Solution.isEmpty());
    lSolutionCount->setText(Solution.isEmpty()
                                ? QStringLiteral("(?)")
                                : QStringLiteral("(%1 coups)").arg(Solution.size() / 2));
}

// --- Document commands ---

bool TVirelMain::ConfirmDiscard() {
    CancelMove(true);
    if (Changed <= 0) return true;
    switch (ShowMsg(
        QStringLiteral("💾 Sauver les modifications faites avant de charger un nouveau tableau ?"),
        mtQuestion)) {
    case mrNo:
        return true;
    case mrYes:
        return SaveMap(false);
    default:
        return false;
    }
}

bool TVirelMain::LoadFile(const QString& FName, int Index) {
    // Read into a scratch pack: a file that fails changes nothing.
    const auto scratch = std::make_unique<TPack>();
    if (!ReadMaps(osOpenBoth, *scratch, FName, *this)) return false;
    if (scratch->MapNb > 0) {
        if (Index < 1 || Index > int(scratch->MapNb)) return false;
        PackFileName = FName;
        FileName.clear();
        CurPack = *scratch;
        pmPack->clear();
        for (int n = 1; n <= int(CurPack.MapNb); ++n) {
            const QString& title = CurPack.Maps[size_t(n - 1)].Title;
            QAction* item = pmPack->addAction(MenuText(title.isEmpty() ? NewMapTitle : title));
            item->setObjectName(QStringLiteral("mnPack%1").arg(n));
            item->setData(-n);
            item->setCheckable(true);
            connect(item, &QAction::triggered, this, [this, n] { mnLoadClick(-n); });
        }
        btPackPopup->setEnabled(true);
        LoadedMap = -Index;
    } else {
        // A map file holds one map, whatever number was asked for.
        FileName = FName;
        LoadedMap = 0;
        Index = 1;
    }
    ShowMap(scratch->Maps[size_t(Index - 1)]);
    return true;
}

bool TVirelMain::SaveMap(bool AskName) {
    crInfo->hide();
    // The map goes to the file from a copy, so a failed write leaves its name, texts and ID.
    TMap map = Play.CurMap;
    QString name = FileName;
    const bool asked = AskName || name.isEmpty();
    if (asked) {
        if (!Chooser) return false;
        Chooser->FileName = FileName;
        if (!Chooser->Execute(osSaveMap, map.Title, map.Info, map.Help)) return false;
        const QString chosen = Chooser->FileName;
        if (chosen.isEmpty()) return false;
        // Only a clear Yes replaces another file; No, Escape or the close box keep it.
        if (chosen != FileName && QFileInfo::exists(GamePath(chosen)) &&
            ShowMsg(chosen + QStringLiteral(" existe déjà,\r\nvoulez-vous le remplacer ?"),
                    mtQuestion) != mrYes)
            return false;
        // Saved under another name, the map keeps its own texts.
        if (FileName.isEmpty() || FileName == chosen)
            Chooser->GetTitleInfoHelp(map.Title, map.Info, map.Help);
        name = chosen;
    }
    // Saved during a game, the file holds the position the game started from.
    if (!WriteMapFile(name, map, EditMode ? nullptr : &Play, *this)) return false;
    TMap& cur = Play.CurMap;
    cur.ID = map.ID;
    cur.Title = map.Title;
    cur.Info = map.Info;
    cur.Help = map.Help;
    FileName = name;
    if (asked) UpdateCaption(false);
    SetChanged(0);
    return true;
}
