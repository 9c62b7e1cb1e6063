// The settings file: a small INI store, the game's keys with their defaults, and where the
// window opens.
#pragma once

#include "rules/Messages.h"
#include "storage/SavedGame.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// An INI file held as its lines. Reading gives trimmed values and the caller's default for a
// missing key or an unreadable integer; writing changes or adds one line and keeps every other
// line of the file, so keys this game does not write survive. Sections are matched without regard
// to case, and so are keys unless the caller asks for their exact case (map IDs are keys whose
// case matters).
class TIniStore {
public:
    // A missing file is an empty store; false only when an existing file cannot be read or is
    // no regular file (a FIFO would block the read).
    bool Load(const QString& Path, QString* ErrorText = nullptr);
    void LoadText(const QByteArray& Text);
    QByteArray Text() const;

    bool HasKey(const QString& Section, const QString& Key,
                Qt::CaseSensitivity KeyCase = Qt::CaseInsensitive) const;
    QString ReadString(const QString& Section, const QString& Key, const QString& Default,
                       Qt::CaseSensitivity KeyCase = Qt::CaseInsensitive) const;
    // A decimal integer, optionally signed; anything else gives Default.
    int ReadInteger(const QString& Section, const QString& Key, int Default) const;
    // Any non-zero integer is true.
    bool ReadBool(const QString& Section, const QString& Key, bool Default) const;

    void WriteString(const QString& Section, const QString& Key, const QString& Value,
                     Qt::CaseSensitivity KeyCase = Qt::CaseInsensitive);
    void WriteInteger(const QString& Section, const QString& Key, int Value);
    void WriteBool(const QString& Section, const QString& Key, bool Value);

    // Writes the whole file in one step; on failure shows the write error and returns false.
    bool Save(const QString& Path, TMessenger& Messenger) const;

private:
    // Index of the section's header line, or -1.
    qsizetype FindSection(const QString& Section) const;
    // Index of the key's line within its section, or -1.
    qsizetype FindKey(const QString& Section, const QString& Key,
                      Qt::CaseSensitivity KeyCase = Qt::CaseInsensitive) const;
    QStringList Lines;
};

// Everything the settings file holds, with the values a missing key gives.
struct TSettings {
    // [Window]
    int Width = 0; // -1: the window was maximized
    int Height = 0;
    std::optional<int> Top;  // none: the window's own top
    std::optional<int> Left; // none: the window's own left
    // [Param]
    int Speed = 2; // 0 to 4
    bool EditMode = false;
    bool ShowStops = false; // Afficher les arrêts
    // [Map]
    // 1 to 10 an example, 0 a map file, -k map k of a pack file; a stored number above 10
    // names no example and reads as 1.
    int LoadedMap = 1;
    QString FileName; // relative to the game's folder
    // [Play]
    TSavedGame Game;
};

// The executable's name with ".ini", in the game's folder.
QString SettingsFilePath();

TSettings ReadSettings(const QString& Path);
TSettings ReadSettings(const TIniStore& Ini);

// Writes the settings at close: Width always and Height, Top, Left only when it is not -1;
// Speed, EditMode and ShowStops; FileName only when LoadedMap is 0 or below (an empty name is
// remembered as example 1); LoadedMap; MoveCount; and the other Play keys only when SaveGame is
// set. Every other key keeps its value. A failure is shown as an error and gives false.
bool WriteSettings(const QString& Path, const TSettings& Settings, bool SaveGame,
                   TMessenger& Messenger);

// Where the window opens.
struct TPlacement {
    bool Maximized = false;
    QRect Rect;
};

// Where the stored window's centre lies, to find the screen it belongs on; none when no width
// is stored (a first start or a maximized window: the primary screen).
std::optional<QPoint> StoredWindowCentre(const QRect& Current, const TSettings& Stored);

// The window's placement from the stored values. Screen is the geometry of the screen the window
// belongs on and Available the part of it that windows may use; Current is the window's bounds
// as designed. A stored height taller than the available height is cut to it (never below 512);
// a window smaller than 640 by 512 becomes 640 by 512; a stored window that would not then lie
// wholly within Available, no stored width and a maximized window all give half the screen's
// width, centred, a quarter of its height from the top, in the window's proportions.
TPlacement WindowPlacement(const QRect& Screen, const QRect& Available, const QRect& Current,
                           const TSettings& Stored);
