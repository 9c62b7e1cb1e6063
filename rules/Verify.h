// Looks at a map for defects that make it unplayable or pointless and lists them in one warning.
#pragma once

#include "rules/Messages.h"
#include "rules/Types.h"

// Msg holds defects the caller found already, each line starting with "\r\n". True when the
// warning was shown; the map is never refused.
bool Verify(const TMap& Map, const QString& Msg, TMessenger& Messenger);
