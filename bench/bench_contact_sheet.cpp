// Draws every picture of the game at three cell sizes and a walled board into one PNG, for review.
#include "platform/ImageList.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

// A board of 8 rows by 11 cells: '#' wall, '.' floor, 'o' goal, 's' stop, 'A'/'B' turns,
// 'b' button, 'd' lowered door, 'D' raised door.
static const char* const Rows[8] = {"#.....#...o", ".##..A..B..", "..#..s...D.", "o....b..d..",
                                    "##...#.....", ".#..###.s.#", ".D....#..##", "...o.......#"};

static int Kind(char c) {
    switch (c) {
    case '#':
        return 0;
    case 'o':
        return 2;
    case 's':
        return 3;
    case 'A':
        return 4;
    case 'B':
        return 5;
    case 'b':
        return 6;
    case 'd':
        return 7;
    case 'D':
        return 8;
    default:
        return 1;
    }
}

static void DrawBoard(QPainter& p, QPoint origin, int cell, QSize box) {
    const int risedSize = qRound(66.0 * cell / 56.0);
    const int wallDelta = (risedSize - cell) / 2;
    const int pawn = int(42.0 * cell / 56.0);
    const int pawnDelta = (cell - pawn + 2) / 2;
    const int bx = (box.width() - 11 * cell) / 2, by = (box.height() - 8 * cell) / 2;
    p.fillRect(QRect(origin, box), QColor(0xD7, 0xE8, 0xF8));
    p.save();
    p.setClipRect(QRect(origin, box));
    p.translate(origin);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 11; ++c) {
            const int k = Kind(Rows[r][c]);
            if (k != 0 && k != 8)
                p.drawPixmap(bx + c * cell, by + r * cell, Images::Cell().Bitmap(k, {cell, cell}));
        }
    const QPoint pawns[3] = {{1, 0}, {4, 3}, {9, 7}};
    for (int i = 0; i < 3; ++i)
        p.drawPixmap(bx + pawns[i].x() * cell + pawnDelta, by + pawns[i].y() * cell + pawnDelta,
                     Images::Pawn().Bitmap(i == 1 ? 1 : 0, {pawn, pawn}));
    const int L = (bx + cell - wallDelta - 1) / cell, T = (by + cell - wallDelta - 1) / cell;
    const int R = (box.width() - bx) / cell - 10, B = (box.height() - by) / cell - 7;
    int y = by - T * cell - wallDelta;
    for (int r = -T; r < 8 + B; ++r, y += cell) {
        int x = bx - L * cell - wallDelta;
        for (int c = -L; c < 11 + R; ++c, x += cell) {
            int k = 0;
            if (r >= 0 && r < 8 && c >= 0 && c < 11) {
                const int kind = Kind(Rows[r][c]);
                if (kind != 0 && kind != 8) continue;
                k = kind == 8 ? 1 : 0;
            }
            p.drawPixmap(x, y, Images::Rised().Bitmap(k, {risedSize, risedSize}));
        }
    }
    p.restore();
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return 0;
    const std::vector<const TImageList*> lists = {
        &Images::Cell(),     &Images::Rised(),   &Images::Pawn(),    &Images::Glyph(),
        &Images::Menu(),     &Images::Buttons(), &Images::Message(), &Images::OverView(),
        &Images::TreeView(), &Images::Emblem()};
    const int sizes[3] = {44, 56, 112};
    const int rowHeight = 44 + 56 + 112 + 24;
    int maxCount = 0;
    for (auto* l : lists) maxCount = qMax(maxCount, l->Count());
    // An optional second argument sets the board's cell size (56 by default).
    const int cell = argc > 2 ? qBound(44, QString::fromLocal8Bit(argv[2]).toInt(), 160) : 56;
    const QSize board(15 * cell, 11 * cell);
    const int width = qMax(maxCount * 122 + 8, board.width() + 16);
    const int height = int(lists.size()) * rowHeight + board.height() + 24;
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&sheet);
    int y = 8;
    for (auto* l : lists) {
        for (int i = 0; i < l->Count(); ++i) {
            const int x = 8 + i * 122;
            int yy = y;
            for (int s : sizes) {
                p.drawPixmap(x, yy, l->Bitmap(i, {s, s}));
                yy += s + 4;
            }
        }
        y += rowHeight;
    }
    DrawBoard(p, {8, y}, cell, board);
    p.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
