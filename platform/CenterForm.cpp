// Sizes dialogs by the board's scale and centres them over the active window.
#include "platform/CenterForm.h"

#include "platform/ScaledLayout.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

QRect CenteredBounds(QSize FrameExtra, QSizeF Design, float Scale, const QRect& Active) {
    const int w = FrameExtra.width() + int(std::nearbyint(Design.width() * double(Scale)));
    const int h = FrameExtra.height() + int(std::nearbyint(Design.height() * double(Scale)));
    return QRect(Active.left() + (Active.width() - w) / 2, Active.top() + (Active.height() - h) / 2,
                 w, h);
}

void CenterForm(QWidget* Form, const TScaledLayout* Layout, float Scale) {
    if (!Form || !Layout) return;
    QWidget* active = QApplication::activeWindow();
    if (!active || active == Form)
        active = Form->parentWidget() ? Form->parentWidget()->window() : nullptr;
    if (active == Form) active = nullptr;

    // A dialog never shown yet has no frame; the frame of the window it opens over is the best
    // guess of what the window manager will add.
    QSize frame = Form->frameGeometry().size() - Form->size();
    if (frame.width() <= 0 && frame.height() <= 0 && active)
        frame = active->frameGeometry().size() - active->size();
    frame = frame.expandedTo(QSize(0, 0));

    QRect over;
    if (active && active->isVisible()) {
        over = active->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        over = screen->availableGeometry();
    }
    const QRect bounds = CenteredBounds(
        frame, QSizeF(Layout->OriginalWidth(), Layout->OriginalHeight()), Scale, over);
    Form->resize(bounds.size() - frame);
    Form->move(bounds.topLeft());
}

TScaledLayout* SetUpDialogForm(QDialog* Form, const QColor& Fill, QSizeF Design) {
    Form->setModal(true);
    QPalette pal = Form->palette();
    pal.setColor(QPalette::Window, QColor(Fill.rgb()));
    Form->setPalette(pal);
    Form->setAutoFillBackground(true);
    Form->resize(int(Design.width()), int(Design.height()));
    return new TScaledLayout(Design, Form);
}

bool RejectOnEscape(QDialog* Form, QKeyEvent* Event) {
    if (Event->key() != Qt::Key_Escape) return false;
    // Keypad keys carry a flag of their own that is no modifier the player holds.
    if (!(Event->modifiers() & ~Qt::KeypadModifier)) Form->reject();
    Event->accept();
    return true;
}
