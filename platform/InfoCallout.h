// A callout of two texts, a bold one over a plain one, wrapped at the callout's width; the
// callout is as tall as they need. It hangs over its neighbours from a scaled layout.
#pragma once

#include "platform/Callout.h"

#include <QRectF>

class QLabel;
class TScaledLayout;

class TInfoCallout : public TCalloutRect {
public:
    // Floats over Parent at Place, in Layout's design units; texts are FontSize high.
    TInfoCallout(QWidget* Parent, TScaledLayout& Layout, QRectF Place, double FontSize);

    // Shows Bold (left out when empty) over Plain and fits the callout's height to them.
    void ShowTexts(const QString& Bold, const QString& Plain);

    // Design width of the texts, from 6 units in.
    static constexpr double TextWidth = 205;

    QLabel* const BoldText;
    QLabel* const PlainText;

private:
    // Height, in design units, of Text wrapped at the labels' width.
    double WrappedHeight(const QString& Text, bool Bold) const;

    TScaledLayout& Layout;
    double FontSize;
};
