// Two wrapped labels in a callout sized to them.
#include "platform/InfoCallout.h"

#include "platform/ScaledLayout.h"

#include <QFontMetricsF>
#include <QLabel>

namespace {
// The labels' place from the callout's top-left corner.
constexpr double TextLeft = 6;
constexpr double TextTop = 16;
} // namespace

TInfoCallout::TInfoCallout(QWidget* Parent, TScaledLayout& ScaledLayout, QRectF Place,
                           double TextSize)
    : TCalloutRect(Parent), BoldText(new QLabel(this)), PlainText(new QLabel(this)),
      Layout(ScaledLayout), FontSize(TextSize) {
    for (QLabel* l : {BoldText, PlainText}) {
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QFont bold = BoldText->font();
    bold.setBold(true);
    BoldText->setFont(bold);
    Layout.PlaceFloating(this, Place);
    Layout.Place(BoldText, {TextLeft, TextTop, TextWidth, 17}, FontSize);
    Layout.Place(PlainText, {TextLeft, TextTop + 17, TextWidth, 17}, FontSize);
}

double TInfoCallout::WrappedHeight(const QString& Text, bool Bold) const {
    if (Text.isEmpty()) return 0;
    QFont f;
    f.setPixelSize(int(FontSize));
    f.setBold(Bold);
    const QFontMetricsF fm(f);
    return fm.boundingRect(QRectF(0, 0, TextWidth, 1e6), Qt::TextWordWrap, Text).height() + 2;
}

void TInfoCallout::ShowTexts(const QString& Bold, const QString& Plain) {
    BoldText->setText(Bold);
    PlainText->setText(Plain);
    const double boldHeight = WrappedHeight(Bold, true);
    const double plainHeight = WrappedHeight(Plain, false);
    BoldText->setVisible(!Bold.isEmpty());
    Layout.SetDesignRect(BoldText, {TextLeft, TextTop, TextWidth, boldHeight});
    Layout.SetDesignRect(PlainText, {TextLeft, TextTop + boldHeight, TextWidth, plainHeight});
    QRectF r = Layout.DesignRect(this);
    r.setHeight(boldHeight + plainHeight + 20);
    Layout.SetDesignRect(this, r);
    show();
    raise();
}
