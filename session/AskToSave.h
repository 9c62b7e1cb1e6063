// The one question before unsaved work would be lost: save it, drop it, or go back.
#pragma once

#include "rules/Messages.h"

#include <QString>

enum class TSaveAnswer { Save, Discard, Cancel };

// Asks Question as a Yes/No/Cancel question: Yes saves, No drops the changes, anything else
// (Cancel, Escape, the close box) goes back to what the player was doing.
inline TSaveAnswer AskToSave(TMessenger& Messenger, const QString& Question) {
    switch (Messenger.ShowMsg(Question, mtQuestion)) {
    case mrYes:
        return TSaveAnswer::Save;
    case mrNo:
        return TSaveAnswer::Discard;
    default:
        return TSaveAnswer::Cancel;
    }
}
