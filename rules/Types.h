// The game's value types: cells, boards, maps, packs and the entries of the play record.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

enum TCellType : std::uint8_t {
    ctWall,
    ctVoid,
    ctGoal,
    ctStop,
    ctTurnA,
    ctTurnB,
    ctButton,
    ctDoorDown,
    ctDoorUp
};
constexpr int CellTypeCount = 9;

constexpr int BoardCols = 11;
constexpr int BoardRows = 8;
constexpr int BoardCells = BoardCols * BoardRows;
constexpr int MaxPawns = 6;
constexpr int MaxMaps = 20;
// The editor's limit for pawns, goals, stops, buttons, doors and turns.
constexpr int MaxOfAKind = 6;

// Cell (x, y) is element y * 11 + x, row after row.
using TBoard = std::array<TCellType, BoardCells>;

inline int CellIndex(int x, int y) {
    return y * BoardCols + x;
}
inline bool OnBoard(int x, int y) {
    return x >= 0 && x < BoardCols && y >= 0 && y < BoardRows;
}

struct TSmallPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(const TSmallPoint&, const TSmallPoint&) = default;
};

using TPawnArray = std::array<TSmallPoint, MaxPawns>;

struct TMap {
    QString ID;
    QString Title;
    QString Info;
    QString Help;
    QString Solution;
    int PawnNb = 0;
    TPawnArray PawnPos{};
    TBoard Board{}; // all ctWall

    TCellType Cell(int x, int y) const { return Board[CellIndex(x, y)]; }
    void SetCell(int x, int y, TCellType t) { Board[CellIndex(x, y)] = t; }
    // The number (from 1) of the pawn on cell (x, y), the highest when several share it, or 0.
    int PawnAt(int x, int y) const;
};

struct TPack {
    QString Title;
    QString Info;
    unsigned MapNb = 0;
    std::array<TMap, MaxMaps> Maps{};
};

// One entry of the move record: Num is the pawn number, positive for the first stretch of a
// move and negated for each continuation after a turn; Pos is where that stretch began.
struct TPawnMove {
    std::int8_t Num = 0;
    TSmallPoint Pos;
    friend bool operator==(const TPawnMove&, const TPawnMove&) = default;
};

// The state of every door, in the order of the play-start door list. A map read from a file
// may hold more than six doors, so the record grows with the map.
using TDoorState = std::vector<TCellType>;

struct TDoorPos {
    TCellType CellType = ctDoorDown;
    std::uint8_t Col = 0;
    std::uint8_t Row = 0;
    friend bool operator==(const TDoorPos&, const TDoorPos&) = default;
};

// Directions are the letters of "LURD"; a blank means none.
inline constexpr char16_t NoDirection = u' ';
inline const QString Directions = QStringLiteral("LURD");

// Codes 0..61 as one character.
inline const QString CodeAlphabet =
    QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// Position of c in CodeAlphabet, or -1 when c is not in it.
inline int CodeValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'Z') return u - u'A' + 10;
    if (u >= u'a' && u <= u'z') return u - u'a' + 36;
    return -1;
}

inline QChar CodeChar(int v) {
    return CodeAlphabet.at(v);
}
// CodeChar(v), or '?' for a value outside the alphabet (which no reader accepts back).
inline QChar SafeCodeChar(int v) {
    return v >= 0 && v < CodeAlphabet.size() ? CodeChar(v) : QChar('?');
}

// Number of the 88 cells of Map.Board holding CellType.
int CountCells(const TMap& Map, TCellType CellType);
