// A rectangle filled with a bitmap stretched to its size: the game's icons. It may turn about
// its centre (the solution buoy spins during a playback) and may answer clicks.
#pragma once

#include <QPixmap>
#include <QWidget>

class TBitmapRect : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal RotationAngle READ RotationAngle WRITE SetRotationAngle)
public:
    explicit TBitmapRect(QWidget* Parent = nullptr, bool HitTest = false);
    void SetBitmap(const QPixmap& Bitmap);
    const QPixmap& Bitmap() const { return Fill; }
    qreal RotationAngle() const { return Angle; }
    void SetRotationAngle(qreal Degrees);
    // Pixel ratio the bitmap should be fetched for.
    qreal PixelRatio() const { return devicePixelRatioF(); }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    QPixmap Fill;
    qreal Angle = 0;
};
