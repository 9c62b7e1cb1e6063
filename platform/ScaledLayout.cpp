// Places the children of a scaled layout from their design rectangles and the layout's size.
#include "platform/ScaledLayout.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

TScaledLayout::TScaledLayout(QSizeF DesignSize, QWidget* Parent)
    : QWidget(Parent), Design(DesignSize) {}

double TScaledLayout::FactorX() const {
    return Design.width() > 0 ? width() / Design.width() : 1.0;
}

double TScaledLayout::FactorY() const {
    return Design.height() > 0 ? height() / Design.height() : 1.0;
}

TScaledLayout::TItem* TScaledLayout::Find(QWidget* W) {
    for (auto& item : Items)
        if (item.W == W) return &item;
    return nullptr;
}

const TScaledLayout::TItem* TScaledLayout::Find(QWidget* W) const {
    for (const auto& item : Items)
        if (item.W == W) return &item;
    return nullptr;
}

void TScaledLayout::Add(QWidget* W, const QRectF& Rect, double FontSize, bool Floating) {
    if (!W) return;
    if (TItem* item = Find(W)) {
        item->Rect = Rect;
        item->FontSize = FontSize;
        item->Floating = Floating;
    } else {
        Items.push_back({W, Rect, FontSize, 1.0, Floating});
    }
    Relayout();
}

void TScaledLayout::Place(QWidget* W, const QRectF& Rect, double FontSize) {
    Add(W, Rect, FontSize, false);
}

void TScaledLayout::PlaceFloating(QWidget* W, const QRectF& Rect, double FontSize) {
    Add(W, Rect, FontSize, true);
}

void TScaledLayout::SetDesignRect(QWidget* W, const QRectF& Rect) {
    if (TItem* item = Find(W)) {
        item->Rect = Rect;
        Relayout();
    }
}

QRectF TScaledLayout::DesignRect(QWidget* W) const {
    const TItem* item = Find(W);
    return item ? item->Rect : QRectF();
}

void TScaledLayout::SetFontSize(QWidget* W, double FontSize) {
    if (TItem* item = Find(W)) {
        item->FontSize = FontSize;
        Relayout();
    }
}

void TScaledLayout::SetScaleY(QWidget* W, double ScaleY) {
    if (TItem* item = Find(W); item && item->ScaleY != ScaleY) {
        item->ScaleY = ScaleY;
        Relayout();
    }
}

double TScaledLayout::ScaleY(QWidget* W) const {
    const TItem* item = Find(W);
    return item ? item->ScaleY : 1.0;
}

QFont ScaledFont(QFont Font, double FontSize, double Fx, double Fy) {
    Font.setPixelSize(std::max(1, int(std::lround(FontSize * Fy))));
    const int stretch = Fy > 0 ? int(std::lround(100.0 * Fx / Fy)) : 100;
    Font.setStretch(std::clamp(stretch, 1, 4000));
    return Font;
}

void TScaledLayout::Relayout() {
    // Nothing to place until the layout has a size; the first resize places everything.
    if (width() <= 0 || height() <= 0) return;
    // Factors that apply inside each placed widget: the layout's, times the vertical scales of
    // the widget and of the widgets around it.
    struct TFactors {
        double X, Y;
    };
    QHash<const QWidget*, TFactors> inside;
    const TFactors own{FactorX(), FactorY()};
    for (auto& item : Items) {
        QWidget* w = item.W;
        if (!w) continue;
        TFactors f = own;
        if (!item.Floating) {
            const auto it = inside.constFind(w->parentWidget());
            if (it != inside.constEnd()) f = *it;
        }
        const QRectF& r = item.Rect;
        const double fy = f.Y * item.ScaleY;
        const int left = int(std::lround(r.left() * f.X));
        const int top = int(std::lround(r.top() * f.Y));
        const int right = int(std::lround(r.right() * f.X));
        const int bottom = top + int(std::lround(r.height() * fy));
        QRect g(left, top, std::max(0, right - left), std::max(0, bottom - top));
        if (item.Floating && w->parentWidget())
            g.moveTopLeft(mapTo(w->parentWidget(), g.topLeft()));
        w->setGeometry(g);
        if (item.FontSize > 0) {
            const QFont font = ScaledFont(w->font(), item.FontSize, f.X, fy);
            if (font != w->font()) w->setFont(font);
        }
        inside.insert(w, {f.X, fy});
    }
}

void TScaledLayout::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    Relayout();
}
