// Builds the about box's borderless window (its texts come with the about box itself).
#include "AboutUnit.h"

#include "ScaledLayout.h"

#include <QResizeEvent>

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* Parent) : QDialog(Parent, Qt::FramelessWindowHint) {
    setModal(true);
    Layout = new TScaledLayout(QSizeF(276, 232), this);
    resize(276, 232);
}

void TAboutForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
}
