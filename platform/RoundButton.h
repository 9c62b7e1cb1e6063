// A rounded push button of the game's look: chosen corners rounded, text placed right, at the
// bottom or centred, an accelerator letter after "&", and the symbol-font arrow of split buttons.
#pragma once

#include <QAbstractButton>
#include <QPainterPath>

class TRoundButton : public QAbstractButton {
    Q_OBJECT
public:
    enum TCorner { rcTopLeft = 1, rcTopRight = 2, rcBottomLeft = 4, rcBottomRight = 8, rcAll = 15 };
    enum TTextPlace { tpCenter, tpRight, tpBottom };

    explicit TRoundButton(const QString& Text = QString(), QWidget* Parent = nullptr);

    int Corners = rcAll;
    TTextPlace TextPlace = tpCenter;
    // Design corner radius; the button scales it with its height.
    double Radius = 3;
    // Shows the symbol-font "6": a small down-pointing triangle instead of the text.
    bool DownArrow = false;
    // The modal result a dialog closes with when this button is pressed (0: none).
    int ModalResult = 0;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    bool Hovered = false;
};

// A path with the chosen corners of R rounded by Radius.
QPainterPath RoundedPath(const QRectF& R, double Radius, int Corners);
