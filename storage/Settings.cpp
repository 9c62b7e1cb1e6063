// Reads and writes the settings file through a small INI store that keeps what it does not know.
#include "storage/Settings.h"

#include "storage/Examples.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "storage/MemoText.h"
#include "storage/SafeSave.h"
#include "storage/WindowSize.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

QString SectionName(const QString& Line) {
    const QString t = Line.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']'))) return {};
    return t.mid(1, t.size() - 2).trimmed();
}

bool IsSectionLine(const QString& Line) {
    const QString t = Line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

// A value goes on one line: a line break in it would open a new key.
QString OneLineValue(const QString& Value) {
    QString v = Value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

const QString Window = QStringLiteral("Window");
const QString Param = QStringLiteral("Param");
const QString MapSection = QStringLiteral("Map");
const QString PlaySection = QStringLiteral("Play");

} // namespace

bool TIniStore::Load(const QString& Path, QString* ErrorText) {
    Lines.clear();
    if (!QFileInfo::exists(Path)) return true;
    // A FIFO would keep the game waiting for a writer before its window ever shows.
    if (IsSpecialFile(Path)) {
        if (ErrorText) *ErrorText = NotRegularFileText();
        return false;
    }
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ErrorText) *ErrorText = file.errorString();
        return false;
    }
    LoadText(file.readAll());
    return true;
}

void TIniStore::LoadText(const QByteArray& Text) {
    Lines = SplitTextLines(QString::fromUtf8(Text));
}

QByteArray TIniStore::Text() const {
    QByteArray out;
    for (const QString& line : Lines) {
        out += line.toUtf8();
        out += "\n";
    }
    return out;
}

qsizetype TIniStore::FindSection(const QString& Section) const {
    for (qsizetype i = 0; i < Lines.size(); ++i)
        if (IsSectionLine(Lines[i]) &&
            SectionName(Lines[i]).compare(Section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

qsizetype TIniStore::FindKey(const QString& Section, const QString& Key,
                             Qt::CaseSensitivity KeyCase) const {
    const qsizetype s = FindSection(Section);
    if (s < 0) return -1;
    for (qsizetype i = s + 1; i < Lines.size() && !IsSectionLine(Lines[i]); ++i) {
        const qsizetype eq = Lines[i].indexOf(QLatin1Char('='));
        if (eq > 0 && Lines[i].left(eq).trimmed().compare(Key, KeyCase) == 0) return i;
    }
    return -1;
}

bool TIniStore::HasKey(const QString& Section, const QString& Key,
                       Qt::CaseSensitivity KeyCase) const {
    return FindKey(Section, Key, KeyCase) >= 0;
}

QString TIniStore::ReadString(const QString& Section, const QString& Key, const QString& Default,
                              Qt::CaseSensitivity KeyCase) const {
    const qsizetype i = FindKey(Section, Key, KeyCase);
    if (i < 0) return Default;
    return Lines[i].mid(Lines[i].indexOf(QLatin1Char('=')) + 1).trimmed();
}

int TIniStore::ReadInteger(const QString& Section, const QString& Key, int Default) const {
    const QString text = ReadString(Section, Key, QString());
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : Default;
}

bool TIniStore::ReadBool(const QString& Section, const QString& Key, bool Default) const {
    return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniStore::WriteString(const QString& Section, const QString& Key, const QString& Value,
                            Qt::CaseSensitivity KeyCase) {
    const QString line = Key + QLatin1Char('=') + OneLineValue(Value);
    const qsizetype k = FindKey(Section, Key, KeyCase);
    if (k >= 0) {
        Lines[k] = line;
        return;
    }
    const qsizetype s = FindSection(Section);
    if (s < 0) {
        if (!Lines.isEmpty() && !Lines.last().trimmed().isEmpty()) Lines << QString();
        Lines << QLatin1Char('[') + Section + QLatin1Char(']') << line;
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    qsizetype at = s + 1;
    for (qsizetype i = s + 1; i < Lines.size() && !IsSectionLine(Lines[i]); ++i)
        if (!Lines[i].trimmed().isEmpty()) at = i + 1;
    Lines.insert(at, line);
}

void TIniStore::WriteInteger(const QString& Section, const QString& Key, int Value) {
    WriteString(Section, Key, QString::number(Value));
}

void TIniStore::WriteBool(const QString& Section, const QString& Key, bool Value) {
    WriteString(Section, Key, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniStore::Save(const QString& Path, TMessenger& Messenger) const {
    return SaveFileAtomically(Path, Text(), Messenger);
}

QString SettingsFilePath() {
    QString name = QStringLiteral("Virelune");
    if (QCoreApplication::instance())
        name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return GamePath(name + QStringLiteral(".ini"));
}

TSettings ReadSettings(const QString& Path) {
    TIniStore ini;
    ini.Load(Path);
    return ReadSettings(ini);
}

TSettings ReadSettings(const TIniStore& Ini) {
    TSettings s;
    s.Width = Ini.ReadInteger(Window, QStringLiteral("Width"), 0);
    s.Height = Ini.ReadInteger(Window, QStringLiteral("Height"), 0);
    bool ok = false;
    const int top = Ini.ReadString(Window, QStringLiteral("Top"), QString()).toInt(&ok, 10);
    if (ok) s.Top = top;
    const int left = Ini.ReadString(Window, QStringLiteral("Left"), QString()).toInt(&ok, 10);
    if (ok) s.Left = left;
    // The speed control runs from 0 to 4.
    s.Speed = std::clamp(Ini.ReadInteger(Param, QStringLiteral("Speed"), 2), 0, 4);
    s.EditMode = Ini.ReadBool(Param, QStringLiteral("EditMode"), false);
    s.ShowStops = Ini.ReadBool(Param, QStringLiteral("ShowStops"), false);
    s.LoadedMap = Ini.ReadInteger(MapSection, QStringLiteral("LoadedMap"), 1);
    if (s.LoadedMap > ExampleCount) s.LoadedMap = 1; // names no example: show the first
    s.FileName = Ini.ReadString(MapSection, QStringLiteral("FileName"), QString());
    TSavedGame& g = s.Game;
    g.MoveCount = Ini.ReadInteger(PlaySection, QStringLiteral("MoveCount"), 0);
    g.ID = Ini.ReadString(PlaySection, QStringLiteral("ID"), QString());
    g.PawnIndex = Ini.ReadInteger(PlaySection, QStringLiteral("PawnIndex"), 1);
    g.PawnPos = Ini.ReadString(PlaySection, QStringLiteral("PawnPos"), QString());
    g.PawnMoveStack = Ini.ReadString(PlaySection, QStringLiteral("PawnMoveStack"), QString());
    g.SolutionStack = Ini.ReadString(PlaySection, QStringLiteral("SolutionStack"), QString());
    g.DoorStateStack = Ini.ReadString(PlaySection, QStringLiteral("DoorStateStack"), QString());
    return s;
}

bool WriteSettings(const QString& Path, const TSettings& Settings, bool SaveGame,
                   TMessenger& Messenger) {
    TIniStore ini;
    QString error;
    if (!ini.Load(Path, &error)) {
        Messenger.ShowMsg(WriteErrorText(Path, error), mtError);
        return false;
    }
    if (Settings.Width >= 0) {
        ini.WriteInteger(Window, QStringLiteral("Height"), Settings.Height);
        ini.WriteInteger(Window, QStringLiteral("Top"), Settings.Top.value_or(0));
        ini.WriteInteger(Window, QStringLiteral("Left"), Settings.Left.value_or(0));
    }
    ini.WriteInteger(Window, QStringLiteral("Width"), Settings.Width);
    ini.WriteInteger(Param, QStringLiteral("Speed"), Settings.Speed);
    ini.WriteBool(Param, QStringLiteral("EditMode"), Settings.EditMode);
    ini.WriteBool(Param, QStringLiteral("ShowStops"), Settings.ShowStops);
    int loadedMap = Settings.LoadedMap;
    if (loadedMap <= 0) {
        if (Settings.FileName.isEmpty()) loadedMap = 1;
        ini.WriteString(MapSection, QStringLiteral("FileName"), Settings.FileName);
    }
    ini.WriteInteger(MapSection, QStringLiteral("LoadedMap"), loadedMap);
    const TSavedGame& g = Settings.Game;
    ini.WriteInteger(PlaySection, QStringLiteral("MoveCount"), g.MoveCount);
    if (SaveGame) {
        ini.WriteString(PlaySection, QStringLiteral("ID"), g.ID);
        ini.WriteInteger(PlaySection, QStringLiteral("PawnIndex"), g.PawnIndex);
        ini.WriteString(PlaySection, QStringLiteral("PawnPos"), g.PawnPos);
        ini.WriteString(PlaySection, QStringLiteral("PawnMoveStack"), g.PawnMoveStack);
        ini.WriteString(PlaySection, QStringLiteral("SolutionStack"), g.SolutionStack);
        ini.WriteString(PlaySection, QStringLiteral("DoorStateStack"), g.DoorStateStack);
    }
    return ini.Save(Path, Messenger);
}

namespace {

// Whether the rectangle at L, T of W by H lies wholly within Area; 64-bit, so that a hostile
// stored value cannot overflow.
bool Within(const QRect& Area, qint64 L, qint64 T, qint64 W, qint64 H) {
    return !Area.isEmpty() && L >= Area.left() && T >= Area.top() &&
           L + W <= qint64(Area.left()) + Area.width() &&
           T + H <= qint64(Area.top()) + Area.height();
}

} // namespace

std::optional<QPoint> StoredWindowCentre(const QRect& Current, const TSettings& Stored) {
    if (Stored.Width <= 0) return std::nullopt;
    const qint64 l = Stored.Left.value_or(Current.left());
    const qint64 t = Stored.Top.value_or(Current.top());
    const auto clamp = [](qint64 v) {
        return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    };
    return QPoint(clamp(l + Stored.Width / 2), clamp(t + std::max(Stored.Height, 0) / 2));
}

TPlacement WindowPlacement(const QRect& Screen, const QRect& Available, const QRect& Current,
                           const TSettings& Stored) {
    TPlacement p;
    qint64 w = Stored.Width;
    qint64 l = Current.left(), t = Current.top(), h = 0;
    if (w < 0) {
        p.Maximized = true;
        w = 0;
    } else if (w > 0) {
        l = Stored.Left.value_or(Current.left());
        t = Stored.Top.value_or(Current.top());
        // A window taller than the room on its screen is cut to that room.
        h = std::min<qint64>(Stored.Height, std::max(Available.height(), MinWindowHeight));
    }
    if (w > 0 && (w < MinWindowWidth || h < MinWindowHeight)) {
        w = MinWindowWidth;
        h = MinWindowHeight;
    }
    // A window that would stand even partly off its screen (or that is wider than it) opens
    // where a first start puts it.
    if (w == 0 || !Within(Available, l, t, w, h)) {
        w = Screen.width() / 2;
        l = Screen.left() + w / 2;
        t = Screen.top() + Screen.height() / 4;
        h = Current.width() > 0 ? qint64(Current.height()) * w / Current.width() : 0;
        if (w < MinWindowWidth || h < MinWindowHeight) {
            w = MinWindowWidth;
            h = MinWindowHeight;
        }
    }
    p.Rect = QRect(int(l), int(t), int(w), int(h));
    return p;
}
