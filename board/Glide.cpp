// One tick of the gliding pawn.
#include "board/Glide.h"

#include <algorithm>
#include <cstdlib>

bool GlideStep(QPoint& At, QPoint Dest, bool Horizontal, int Step, int PawnDelta, int PawnSize,
               QRect& Swept) {
    if (Horizontal)
        At.setY(Dest.y());
    else
        At.setX(Dest.x());
    int left = At.x() + PawnDelta, top = At.y() + PawnDelta;
    int right = left + PawnSize, bottom = top + PawnSize;
    int& at = Horizontal ? At.rx() : At.ry();
    const int dest = Horizontal ? Dest.x() : Dest.y();
    const int d = std::min(Step, std::abs(dest - at));
    if (dest < at) {
        at -= d;
        (Horizontal ? left : top) -= d;
    } else {
        at += d;
        (Horizontal ? right : bottom) += d;
    }
    Swept = QRect(left, top, right - left, bottom - top);
    return At == Dest;
}
