// Choosing a map or pack file: what the main window and the pack editor ask of the load and
// save dialog, so tests can answer in its place.
#pragma once

#include "storage/MapFile.h"

#include <QString>

class TFileChooser {
public:
    virtual ~TFileChooser() = default;
    // True when the player confirmed a file; FileName then holds it, relative to the game
    // folder ("folder/name.vrm"). Before a save the caller puts the current name into FileName.
    virtual bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                         const QString& Help) = 0;
    // The dialog's three texts, trimmed.
    virtual void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) = 0;
    // The dialog's title and information exactly as typed: a pack keeps them so.
    virtual void GetTitleInfo(QString& Title, QString& Info) = 0;
    QString FileName;
};
