// What the pack editor does to its pack, without widgets: the pack and its file, the edits of its
// maps, loading, saving and exporting, and the questions and reports that go with them.
#pragma once

#include "rules/Types.h"

#include <QString>

class TFileChooser;
class TMessenger;

class TPackEditorSession {
public:
    // Messages go to Messenger; files are chosen with Chooser.
    TPackEditorSession(TMessenger& Messenger, TFileChooser& Chooser);

    const TPack& Pack() const { return EditedPack; }
    // The pack's file, relative to the game folder; empty for a pack never loaded or saved.
    const QString& FileName() const { return PackFile; }
    // The pack holds edits that are not in its file.
    bool Changed = false;
    // Map Line exists.
    bool HasMap(int Line) const { return Line >= 0 && Line < int(EditedPack.MapNb); }

    // An empty pack with no file.
    void Clear();
    // Asks for a pack file and reads it into Read; false when the player gave up or the file
    // could not be read (the reader has said why).
    bool ChoosePack(TPack& Read, QString& File);
    // Starts the pack of File with the title and information of Read and no maps yet.
    void StartPack(const TPack& Read, const QString& File);
    // Appends the maps of Read, twenty at the most.
    void TakeMaps(const TPack& Read);
    // Warns about maps without a title or a solution and about titles used twice.
    void ReportDefects();
    // Asks for a pack file (never for an empty pack) and writes the pack there with the title
    // and information typed in the save dialog; true when written, the pack then unchanged.
    bool Save();

    // Map Line's title, information or help becomes Text.
    void SetMapText(int Line, QString TMap::*Field, const QString& Text);
    // Asks for a map file and adds its map at the end, or puts it in place of map Line when
    // Replace; what the map lacks is said, yet the map is taken. True when the pack changed.
    bool AddMapFromFile(bool Replace, int Line);
    // Asks, then takes map Line out; Next is the line to select afterwards. True when removed.
    bool RemoveMap(int Line, int& Next);
    // Swaps map Line with map Line + Step; true when both exist.
    bool MoveMap(int Line, int Step);
    // Asks for a map file and writes a copy of map Line there, with the texts typed in the save
    // dialog; the pack itself is left as it was.
    void ExportMap(int Line);

private:
    TMessenger& Messenger;
    TFileChooser& Chooser;
    TPack EditedPack;
    QString PackFile;
};
