// Runs the pack editor's commands on its pack: reads and writes the files, asks before replacing
// one, and reports what a pack or an incoming map lacks.
#include "session/PackEditorSession.h"

#include "session/FileChooser.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "rules/Messages.h"
#include "storage/PackEdit.h"
#include "rules/Verify.h"

#include <QFileInfo>

namespace {
const QString EmptyPackText =
    QStringLiteral("Un pack sans tableau ne peut pas être sauvé :\r\najouter d'abord un tableau.");
} // namespace

TPackEditorSession::TPackEditorSession(TMessenger& MessageSink, TFileChooser& FileChooser)
    : Messenger(MessageSink), Chooser(FileChooser) {}

void TPackEditorSession::Clear() {
    EditedPack = TPack();
    PackFile.clear();
}

bool TPackEditorSession::ChoosePack(TPack& Read, QString& File) {
    if (!Chooser.Execute(osOpenPack, QString(), QString(), QString())) return false;
    File = Chooser.FileName;
    return ReadMaps(osOpenPack, Read, File, Messenger);
}

void TPackEditorSession::StartPack(const TPack& Read, const QString& File) {
    PackFile = File;
    EditedPack = TPack();
    EditedPack.Title = Read.Title;
    EditedPack.Info = Read.Info;
}

void TPackEditorSession::TakeMaps(const TPack& Read) {
    const unsigned count = std::min(Read.MapNb, unsigned(MaxMaps));
    for (unsigned k = 0; k < count; ++k) AppendMap(EditedPack, Read.Maps[k]);
}

void TPackEditorSession::ReportDefects() {
    const TPackDefects d = FindPackDefects(EditedPack);
    ReportPackDefects(d.NoTitle, d.SameTitles, d.NoSolution, Messenger);
}

bool TPackEditorSession::Save() {
    // A pack file holds at least one map; an empty one could never be read back.
    if (EditedPack.MapNb == 0) {
        Messenger.ShowMsg(EmptyPackText, mtError);
        return false;
    }
    Chooser.FileName = PackFile;
    if (!Chooser.Execute(osSavePack, EditedPack.Title, EditedPack.Info, QString())) return false;
    const QString chosen = Chooser.FileName;
    if (chosen.isEmpty()) return false;
    // Only a clear Yes replaces another file; Escape and the close box keep it.
    if (chosen != PackFile && QFileInfo::exists(GamePath(chosen)) &&
        Messenger.ShowMsg(QStringLiteral("Remplacer le fichier existant par ce nouveau pack ?"),
                          mtQuestion) != mrYes)
        return false;

    // The pack's own title and information are kept as typed; only its maps' texts are trimmed.
    QString title, info;
    Chooser.GetTitleInfo(title, info);
    TPack saved = EditedPack;
    saved.Title = title;
    saved.Info = info;
    // The writer reports its own failure; the pack then stays as it was, still unsaved.
    if (!WritePackFile(chosen, saved, Messenger)) return false;

    PackFile = chosen;
    EditedPack.Title = title;
    EditedPack.Info = info;
    ReportDefects();
    Changed = false;
    return true;
}

void TPackEditorSession::SetMapText(int Line, QString TMap::*Field, const QString& Text) {
    if (!HasMap(Line)) return;
    EditedPack.Maps[Line].*Field = Text;
    Changed = true;
}

bool TPackEditorSession::AddMapFromFile(bool Replace, int Line) {
    if (!Chooser.Execute(osOpenMap, QString(), QString(), QString())) return false;
    TPack read;
    if (!ReadMaps(osOpenMap, read, Chooser.FileName, Messenger)) return false;
    const TMap m = read.Maps[0];
    if (Replace && !HasMap(Line)) return false;
    if (!Replace && EditedPack.MapNb >= unsigned(MaxMaps)) return false;

    // The map is taken whatever is found; the player is only told.
    Verify(m, MapIntakeRemarks(EditedPack, m, Replace ? Line : -1), Messenger);
    if (Replace)
        EditedPack.Maps[Line] = m;
    else
        AppendMap(EditedPack, m);
    Changed = true;
    return true;
}

bool TPackEditorSession::RemoveMap(int Line, int& Next) {
    if (Line < 0) return false;
    if (Messenger.ShowMsg(QStringLiteral("Etes-vous sûr de vouloir retirer ce tableau ?"),
                          mtQuestion) != mrYes)
        return false;
    Next = ::RemoveMap(EditedPack, Line);
    Changed = true;
    return true;
}

bool TPackEditorSession::MoveMap(int Line, int Step) {
    if (Line < 0 || !SwapMaps(EditedPack, Line, Line + Step)) return false;
    Changed = true;
    return true;
}

void TPackEditorSession::ExportMap(int Line) {
    if (!HasMap(Line)) return;
    Chooser.FileName.clear();
    TMap m = EditedPack.Maps[Line];
    if (!Chooser.Execute(osSaveMap, m.Title, m.Info, m.Help)) return;
    const QString chosen = Chooser.FileName;
    if (chosen.isEmpty()) return;
    if (QFileInfo::exists(GamePath(chosen)) &&
        Messenger.ShowMsg(chosen + QStringLiteral(" existe déjà,") + QStringLiteral("\r\n") +
                              QStringLiteral("voulez-vous le remplacer ?"),
                          mtQuestion) != mrYes)
        return;
    Chooser.GetTitleInfoHelp(m.Title, m.Info, m.Help);
    // The copy gets the texts and the ID; the pack itself is left as it was.
    WriteMapFile(chosen, m, nullptr, Messenger);
}
