// A vertical track bar drawn at the size it is given: its track and thumb grow and shrink with
// its width, so it scales with the panel that holds it like the buttons beside it.
#pragma once

#include <QSlider>

class TTrackBar : public QSlider {
    Q_OBJECT
public:
    // The width the track bar is designed at; its parts are drawn at width() / DesignWidth.
    explicit TTrackBar(double DesignWidth, QWidget* Parent = nullptr);

    double Scale() const;
    // Where the thumb stands for Value, and the track it runs along, in the widget's pixels.
    QRectF ThumbRect(int Value) const;
    QRectF TrackRect() const;
    // The value whose thumb position lies nearest to the height Y.
    int ValueAt(double Y) const;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    double Design;
    bool Dragging = false;
    // The thumb's length along the track, in design units.
    static constexpr double ThumbLength = 9;
    // Distance from the top of the track of Value's thumb centre, from 0 to 1.
    double Position(int Value) const;
};
