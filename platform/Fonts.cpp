// Chooses the game's text font and the colour emoji font that completes it.
#include "platform/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

void InstallGameFonts() {
    const QString text = QStringLiteral("Liberation Sans");
    const QString emoji = QStringLiteral("Noto Color Emoji");
    // fontconfig normally knows the Arial alias; saying it here keeps the look when it does not.
    QFont::insertSubstitutions(QStringLiteral("Arial"), {text, emoji});
    // The text font has no emoji, so they come from the colour font rather than from a
    // black-and-white outline of some other font.
    QFont font = QApplication::font();
    font.setFamilies({text, emoji});
    QApplication::setFont(font);
}
