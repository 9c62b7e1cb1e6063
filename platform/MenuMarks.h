// Menus whose check items may carry a picture before their text (the Load and Pack menus show
// the player's progress that way). The usual styles draw such a picture in place of the check
// mark; this one draws both, the check box first, then the picture, then the text.
#pragma once

#include <QProxyStyle>

class QMenu;

class TMenuMarkStyle : public QProxyStyle {
public:
    // Base is the style drawing everything else (the application's when null); the proxy owns it.
    explicit TMenuMarkStyle(QStyle* Base = nullptr);

    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget = nullptr) const override;
    QSize sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                           const QWidget* Widget = nullptr) const override;
};

// Gives Menu a style of that kind, owned by the menu.
void KeepCheckMarksWithIcons(QMenu* Menu);
