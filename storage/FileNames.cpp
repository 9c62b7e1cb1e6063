// Lists the game folder's maps and packs in tree order and builds the browser's names and texts.
#include "storage/FileNames.h"

#include "storage/GameFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

QString ModeFilter(TOpenSaveType Mode) {
    switch (Mode) {
    case osOpenMap:
    case osSaveMap:
        return QStringLiteral("*.vrm");
    case osOpenPack:
    case osSavePack:
        return QStringLiteral("*.vrp");
    default:
        return QStringLiteral("*.vr?");
    }
}

bool IsSaveMode(TOpenSaveType Mode) {
    return Mode == osSaveMap || Mode == osSavePack;
}

bool ModeListsFile(TOpenSaveType Mode, const QString& Extension, bool& IsPack) {
    const QString ext = Extension.toLower();
    const bool maps = Mode == osOpenBoth || Mode == osOpenMap || Mode == osSaveMap;
    const bool packs = Mode == osOpenBoth || Mode == osOpenPack || Mode == osSavePack;
    if (ext == MapExtension && maps) {
        IsPack = false;
        return true;
    }
    if (ext == PackExtension && packs) {
        IsPack = true;
        return true;
    }
    return false;
}

QString FileExtension(const QString& Name) {
    const qsizetype dot = Name.lastIndexOf(u'.');
    return dot < 0 ? QString() : Name.mid(dot);
}

QString DefaultExtension(TOpenSaveType Mode, bool PackItem) {
    return PackItem || Mode == osSavePack || Mode == osOpenPack ? PackExtension : MapExtension;
}

QString BuildFileName(const QString& Folder, const QString& Name, const QString& Extension) {
    if (Name.isEmpty()) return Folder;
    QString name = Name;
    if (FileExtension(name).toLower() != Extension.toLower()) name += Extension;
    return Folder + FolderSeparator + name;
}

bool IsForbiddenInFileName(QChar C) {
    const char16_t u = C.unicode();
    return u < 32 || u == u'"' || u == u'*' || u == u'/' || u == u':' || u == u'<' || u == u'>' ||
           u == u'?' || u == u'\\' || u == u'|';
}

QString ReplaceForbiddenChars(const QString& Name) {
    QString s = Name;
    for (QChar& c : s)
        if (IsForbiddenInFileName(c)) c = u'_';
    // A name that starts with a dot is hidden: the browser would never show it again.
    for (QChar& c : s) {
        if (c != u'.') break;
        c = u'_';
    }
    return s;
}

void SplitFileName(const QString& FileName, QString& Folder, QString& Name) {
    const qsizetype sep = FileName.lastIndexOf(FolderSeparator);
    if (sep < 0) {
        Folder.clear();
        Name = FileName;
        return;
    }
    const QString folderPart = FileName.left(sep);
    Folder = folderPart.mid(folderPart.lastIndexOf(FolderSeparator) + 1);
    Name = FileName.mid(sep + 1);
}

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// S as the tree compares it: accents and letter case aside ("Été" sorts with "ete").
QString SortKey(const QString& S) {
    const QString decomposed = S.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (!c.isMark()) key += c;
    return key.toCaseFolded();
}

// Negative, zero or positive as A sorts before, with or after B, accents and letter case aside
// and digit runs by value.
int NaturalCompare(const QString& TextA, const QString& TextB) {
    const QString A = SortKey(TextA);
    const QString B = SortKey(TextB);
    qsizetype i = 0, j = 0;
    while (i < A.size() && j < B.size()) {
        if (IsDigit(A[i]) && IsDigit(B[j])) {
            qsizetype ei = i, ej = j;
            while (ei < A.size() && IsDigit(A[ei])) ++ei;
            while (ej < B.size() && IsDigit(B[ej])) ++ej;
            qsizetype si = i, sj = j;
            while (si + 1 < ei && A[si] == u'0') ++si;
            while (sj + 1 < ej && B[sj] == u'0') ++sj;
            if (ei - si != ej - sj) return ei - si < ej - sj ? -1 : 1;
            const int digits = QStringView(A).mid(si, ei - si).compare(B.mid(sj, ej - sj));
            if (digits != 0) return digits;
            i = ei;
            j = ej;
            continue;
        }
        const char16_t a = A[i].unicode();
        const char16_t b = B[j].unicode();
        if (a != b) return a < b ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < A.size()) return 1;
    if (j < B.size()) return -1;
    return 0;
}

} // namespace

bool TreeTextLess(const QString& A, const QString& B) {
    const int c = NaturalCompare(A, B);
    return c != 0 ? c < 0 : A < B;
}

QList<TListedFolder> ListGameFolder(const QString& Dir, TOpenSaveType Mode) {
    QList<TListedFolder> folders;
    const QFileInfoList subs =
        QDir(Dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& sub : subs) {
        TListedFolder folder;
        folder.Name = sub.fileName();
        const QFileInfoList files = QDir(sub.filePath()).entryInfoList(QDir::Files);
        for (const QFileInfo& file : files) {
            // A link that leads out of the game's folder is none of the game's files.
            if (file.isSymLink() && !InsideFolder(Dir, file.filePath())) continue;
            const QString diskName = file.fileName();
            const QString ext = FileExtension(diskName);
            bool isPack = false;
            if (!ModeListsFile(Mode, ext, isPack)) continue;
            folder.Files.append({diskName.left(diskName.size() - ext.size()), diskName, isPack});
        }
        std::sort(folder.Files.begin(), folder.Files.end(),
                  [](const TListedFile& a, const TListedFile& b) {
                      if (a.Text != b.Text) return TreeTextLess(a.Text, b.Text);
                      return a.DiskName < b.DiskName;
                  });
        folders.append(folder);
    }
    std::sort(folders.begin(), folders.end(), [](const TListedFolder& a, const TListedFolder& b) {
        return TreeTextLess(a.Name, b.Name);
    });
    return folders;
}

QString FolderSummary(TOpenSaveType Mode, int Folders, int Maps, int Packs) {
    if (Folders == 0) {
        if (IsSaveMode(Mode))
            return QStringLiteral(
                "ℹ️Saisir d'abord un nom pour créer un dossier puis un nom pour le fichier");
        return QStringLiteral("⚠️Aucun tableau") +
               (Mode == osOpenMap ? QString() : QStringLiteral(" ni pack")) +
               QStringLiteral(" à charger");
    }
    QString count;
    if (Maps > 0)
        count = QString::number(Maps) + QStringLiteral(" tableau") +
                (Maps > 1 ? QStringLiteral("x") : QString());
    if (Packs > 0)
        count += (count.isEmpty() ? QString() : QStringLiteral(" et ")) + QString::number(Packs) +
                 QStringLiteral(" pack") + (Packs > 1 ? QStringLiteral("s") : QString());
    QString tail;
    if (!count.isEmpty())
        tail = QStringLiteral(" contenant ") + count + QStringLiteral(" au total");
    else
        tail = QStringLiteral(" ne contenant aucun ") +
               (Mode == osOpenMap    ? QStringLiteral("tableau")
                : Mode == osOpenPack ? QStringLiteral("pack")
                                     : QStringLiteral("tableau ni pack"));
    return QStringLiteral("ℹ️") + QString::number(Folders) + QStringLiteral(" dossier") +
           (Folders == 1 ? QString() : QStringLiteral("s")) + tail;
}

QString SolutionSummary(const QString& Solution) {
    if (Solution.isEmpty()) return QStringLiteral("ℹ️Pas de solution incluse dans ce tableau");
    return QStringLiteral("ℹ️Solution en ") + QString::number(Solution.size() / 2) +
           QStringLiteral(" coups");
}

QString PackSummary(unsigned MapNb) {
    return QStringLiteral("ℹ️Nombre de tableaux dans le pack : ") + QString::number(MapNb);
}
