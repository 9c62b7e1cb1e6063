// A callout rectangle: a rounded panel with a pointer in the middle of its top side, pointing at
// the control it belongs to. A click on it is reported.
#pragma once

#include <QMargins>
#include <QWidget>

class TCalloutRect : public QWidget {
    Q_OBJECT
public:
    explicit TCalloutRect(QWidget* Parent = nullptr);
    // Design sizes; the callout scales them by its actual size against DesignWidth.
    double DesignWidth = 217;
    double PointerWidth = 23;
    double PointerLength = 11;
    double Radius = 3;

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
};
