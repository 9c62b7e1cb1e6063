// Replacing a file in one step, so that a failed save never costs the player the earlier file.
#pragma once

#include "rules/Messages.h"

#include <QByteArray>
#include <QString>

// The error shown when a file cannot be written.
QString WriteErrorText(const QString& FullPath, const QString& SystemError);

// The system text for a name that exists but is no regular file (a folder, a FIFO, a socket, a
// device): the game neither reads nor replaces such a thing, since opening one may block.
QString NotRegularFileText();

// Whether something stands at FullPath (links followed) that is not a regular file.
bool IsSpecialFile(const QString& FullPath);

// Replaces the file at FullPath by Data in one step; on failure shows WriteErrorText and returns
// false, and the earlier file stays byte for byte as it was. Every step that can fail is checked:
// the data goes to a temporary file beside the old one, is flushed and synced, and only then
// renamed over it. A full disk, a FIFO or device in the way, or a read-only file all end here.
bool SaveFileAtomically(const QString& FullPath, const QByteArray& Data, TMessenger& Messenger);
