// A panel designed at a fixed size whose children follow its real size: positions and sizes by
// the horizontal and vertical factors, fonts by the vertical factor stretched to the horizontal.
#pragma once

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <vector>

class TScaledLayout : public QWidget {
    Q_OBJECT
public:
    TScaledLayout(QSizeF DesignSize, QWidget* Parent = nullptr);

    double OriginalWidth() const { return Design.width(); }
    double OriginalHeight() const { return Design.height(); }
    // Horizontal and vertical stretch of the content.
    double FactorX() const;
    double FactorY() const;

    // Puts W at Rect, in the design units of its parent: this layout or a widget placed here
    // before it. FontSize (design units, 0: leave the font alone) follows the vertical factor.
    void Place(QWidget* W, const QRectF& Rect, double FontSize = 0);
    // Like Place, for a widget whose parent lies outside the layout (so that it may hang over
    // neighbouring widgets): Rect is in this layout's design units, mapped to W's parent.
    void PlaceFloating(QWidget* W, const QRectF& Rect, double FontSize = 0);
    void SetDesignRect(QWidget* W, const QRectF& Rect);
    QRectF DesignRect(QWidget* W) const;
    void SetFontSize(QWidget* W, double FontSize);
    // Extra vertical scale of W and everything inside it, from its top edge.
    void SetScaleY(QWidget* W, double ScaleY);
    double ScaleY(QWidget* W) const;

    // Places every child afresh; runs on each resize.
    void Relayout();

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    struct TItem {
        QPointer<QWidget> W;
        QRectF Rect;
        double FontSize = 0;
        double ScaleY = 1;
        bool Floating = false;
    };
    TItem* Find(QWidget* W);
    const TItem* Find(QWidget* W) const;
    void Add(QWidget* W, const QRectF& Rect, double FontSize, bool Floating);
    QSizeF Design;
    std::vector<TItem> Items;
};

// The font for a design size FontSize shown with factors Fx, Fy: pixel size from Fy and a
// horizontal stretch of Fx / Fy, so text widens and narrows with its box.
QFont ScaledFont(QFont Font, double FontSize, double Fx, double Fy);
