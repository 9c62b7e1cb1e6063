// Gives a dialog its size from its layout's design size and the main window's scale, and centres
// it over the window that is active when it opens.
#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

class QColor;
class QDialog;
class QWidget;
class TScaledLayout;

// The frame of the game's dialogs: a tool window with a title and a close box.
constexpr Qt::WindowFlags DialogFormFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Makes Form a modal dialog filled with Fill at its design size, and gives it the scaled layout
// that holds its controls.
TScaledLayout* SetUpDialogForm(QDialog* Form, const QColor& Fill, QSizeF Design);

// The main window tells where its scale lives (ScaleFactor, CellSize / 56) and which window to
// centre on when no window of the game is active.
void SetMainWindow(QWidget* MainWindow, const float* ScaleFactor);
float MainScaleFactor();

// Outer bounds of a dialog whose frame adds FrameExtra to its client size, designed at Design
// and shown at Scale, centred over the outer bounds Active. Sizes round to the nearest whole
// pixel (halves to even); centring truncates towards zero, also when the dialog is larger.
QRect CenteredBounds(QSize FrameExtra, QSizeF Design, float Scale, const QRect& Active);

// Sizes and places Form (it does not show it).
void CenterForm(QWidget* Form, const TScaledLayout* Layout);
