// Registers the font substitutes the game relies on.
#include "Fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
    // fontconfig normally knows these aliases; saying it here keeps the look when it does not.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Noto Color Emoji")});
    QFont::insertSubstitutions(QStringLiteral("Liberation Sans"), {QStringLiteral("Noto Color Emoji")});
}
