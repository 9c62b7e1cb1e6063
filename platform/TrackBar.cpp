// Draws the speed track bar at its panel's scale and turns presses and drags into values.
#include "platform/TrackBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

TTrackBar::TTrackBar(double DesignWidth, QWidget* Parent)
    : QSlider(Qt::Vertical, Parent), Design(DesignWidth > 0 ? DesignWidth : 1) {
    setAttribute(Qt::WA_Hover);
}

double TTrackBar::Scale() const {
    return std::max(0.1, width() / Design);
}

double TTrackBar::Position(int Value) const {
    const int span = maximum() - minimum();
    if (span <= 0) return 0;
    const double p = double(std::clamp(Value, minimum(), maximum()) - minimum()) / span;
    // Vertical bars keep their maximum at the top unless the appearance is inverted.
    return invertedAppearance() ? p : 1 - p;
}

QRectF TTrackBar::TrackRect() const {
    const double s = Scale();
    const double thickness = 4 * s;
    const double inset = ThumbLength * s / 2;
    return QRectF((width() - thickness) / 2, inset, thickness, std::max(0.0, height() - 2 * inset));
}

QRectF TTrackBar::ThumbRect(int Value) const {
    const double s = Scale();
    const QRectF track = TrackRect();
    const double w = std::min<double>(width(), 15 * s);
    const double h = ThumbLength * s;
    const double cy = track.top() + Position(Value) * track.height();
    return QRectF((width() - w) / 2, cy - h / 2, w, h);
}

int TTrackBar::ValueAt(double Y) const {
    const QRectF track = TrackRect();
    const int span = maximum() - minimum();
    if (span <= 0 || track.height() <= 0) return minimum();
    double p = std::clamp((Y - track.top()) / track.height(), 0.0, 1.0);
    if (!invertedAppearance()) p = 1 - p;
    return minimum() + int(std::lround(p * span));
}

void TTrackBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = Scale();
    const bool on = isEnabled();

    // The track, a groove with a light lower edge.
    const QRectF track = TrackRect();
    p.setPen(QPen(on ? QColor(0x7A, 0x8C, 0xA3) : QColor(0xB8, 0xC0, 0xCA), std::max(1.0, s)));
    p.setBrush(on ? QColor(0xC9, 0xD6, 0xE6) : QColor(0xE2, 0xE6, 0xEB));
    p.drawRoundedRect(track, track.width() / 2, track.width() / 2);

    // A small notch beside the track for every value.
    p.setPen(QPen(QColor(0x7A, 0x8C, 0xA3), std::max(1.0, s * 0.8)));
    for (int v = minimum(); v <= maximum(); ++v) {
        const double y = track.top() + Position(v) * track.height();
        p.drawLine(QPointF(track.left() - 5 * s, y), QPointF(track.left() - 2 * s, y));
        p.drawLine(QPointF(track.right() + 2 * s, y), QPointF(track.right() + 5 * s, y));
    }

    // The thumb, a rounded bar across the track.
    const QRectF thumb = ThumbRect(value());
    QLinearGradient fill(thumb.topLeft(), thumb.bottomLeft());
    const bool hot = on && (Dragging || underMouse());
    fill.setColorAt(0, hot ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xF7, 0xFA, 0xFD));
    fill.setColorAt(1, on ? QColor(0xA9, 0xC4, 0xE8) : QColor(0xD5, 0xDA, 0xE0));
    p.setPen(QPen(on ? QColor(0x41, 0x69, 0xE1) : QColor(0xA0, 0xA8, 0xB2), std::max(1.0, s)));
    p.setBrush(fill);
    const QRectF inner = thumb.adjusted(s / 2, s / 2, -s / 2, -s / 2);
    p.drawRoundedRect(inner, 2 * s, 2 * s);
}

void TTrackBar::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton || !isEnabled()) {
        Event->ignore();
        return;
    }
    // A press on the thumb picks it up; elsewhere the thumb jumps to the nearest notch.
    Dragging = true;
    setSliderDown(true);
    setValue(ValueAt(Event->position().y()));
    update();
    Event->accept();
}

void TTrackBar::mouseMoveEvent(QMouseEvent* Event) {
    if (!Dragging) {
        Event->ignore();
        return;
    }
    setValue(ValueAt(Event->position().y()));
    Event->accept();
}

void TTrackBar::mouseReleaseEvent(QMouseEvent* Event) {
    if (!Dragging) {
        Event->ignore();
        return;
    }
    Dragging = false;
    setSliderDown(false);
    update();
    Event->accept();
}
