// Map and pack files: the line format, map IDs, the reader with all its messages, and the writers.
#pragma once

#include "rules/Messages.h"
#include "rules/Types.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class QIODevice;
class TPlay;

// What the caller of ReadMaps is about to do, which decides what kind of file it accepts.
enum TOpenSaveType { osOpenBoth, osOpenMap, osOpenPack, osSaveMap, osSavePack, osViewPack };

constexpr int MaxTitleLength = 50;
constexpr int MaxTextLength = 250;
constexpr int MapIdLength = 14;

// Appends the line count of S and then its lines, every line ended by CR LF.
void WriteLines(QByteArray& Out, const QString& S);

// Appends one map record. A map without ID receives a fresh one first (the caller's record keeps
// it). With a StartState (a map saved while it is being played) the pawns and the doors are
// written as they stood when that play began.
void WriteMap(QByteArray& Out, TMap& Map, const TPlay* StartState = nullptr);

// Appends a whole pack file. Every map is written from a copy, so a map without ID gets a fresh
// ID in the file while the pack passed in keeps its empty one.
void WritePack(QByteArray& Out, const TPack& Pack);

// Writes the map file FName (relative to the game's folder) in one piece: either the whole new
// file is there or the earlier one is left as it was. A failure is shown as an error.
bool WriteMapFile(const QString& FName, TMap& Map, const TPlay* StartState, TMessenger& Messenger);
bool WritePackFile(const QString& FName, const TPack& Pack, TMessenger& Messenger);

// Reads the map or pack file FName (relative to the game's folder) into Pack, showing every
// warning and error as it meets them. A map file leaves MapNb 0 and its map in Maps[0]; a pack
// file gives MapNb maps (osViewPack: the header, title and information only). False on error;
// Pack may then hold a partial read and is meant to be a scratch record.
bool ReadMaps(TOpenSaveType OsType, TPack& Pack, const QString& FName, TMessenger& Messenger);
// The same from Device, open for reading: what is read and every message are those of a file
// holding the device's bytes. A device that fails to read is reported as a read error of the
// file ShownPath.
bool ReadMaps(TOpenSaveType OsType, TPack& Pack, QIODevice& Device, TMessenger& Messenger,
              const QString& ShownPath = QString());

// A fresh ID: 12 random CodeAlphabet characters and the two upper-case hexadecimal digits of the
// sum of their values modulo 256.
QString NewMapId();
bool MapIdIsValid(const QString& Id);
// Restarts the ID generator from a fixed seed, so a test sees the same IDs every run.
void SetIdSeed(std::uint64_t Seed);
