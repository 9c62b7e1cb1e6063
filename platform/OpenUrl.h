// The desktop's "open" for a web address.
#pragma once

#include <QString>

// Asks the desktop to open Url in the user's browser; false when nothing could open it.
bool OpenUrl(const QString& Url);
