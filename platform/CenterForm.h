// Gives a dialog its size from its layout's design size and the scale it is handed, and centres
// it over the window that is active when it opens.
#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

class QColor;
class QDialog;
class QKeyEvent;
class QWidget;
class TScaledLayout;

// The frame of the game's dialogs: a tool window with a title and a close box.
constexpr Qt::WindowFlags DialogFormFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Escape without a modifier the player holds rejects Form; true when the key was Escape, which
// the dialog then keeps from its default button and parent.
bool RejectOnEscape(QDialog* Form, QKeyEvent* Event);

// Makes Form a modal dialog filled with Fill at its design size, and gives it the scaled layout
// that holds its controls.
TScaledLayout* SetUpDialogForm(QDialog* Form, const QColor& Fill, QSizeF Design);

// The scale of a dialog opened without the main window's (its design size, as the tests use).
inline constexpr float DesignScale = 1.0f;

// Outer bounds of a dialog whose frame adds FrameExtra to its client size, designed at Design
// and shown at Scale, centred over the outer bounds Active. Sizes round to the nearest whole
// pixel (halves to even); centring truncates towards zero, also when the dialog is larger.
QRect CenteredBounds(QSize FrameExtra, QSizeF Design, float Scale, const QRect& Active);

// Sizes Form at Scale and places it over the active window, or over its parent when no other
// window of the game is active (it does not show it).
void CenterForm(QWidget* Form, const TScaledLayout* Layout, float Scale);
