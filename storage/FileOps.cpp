// Creates, renames and removes the game folder's files and folders on the disk.
#include "storage/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path NativePath(const QString& Path) {
    return fs::path(QFile::encodeName(Path).toStdString());
}

// What is at Path itself, a link not followed.
fs::file_type EntryType(const QString& Path) {
    std::error_code ec;
    return fs::symlink_status(NativePath(Path), ec).type();
}

} // namespace

bool TFileOps::FolderExists(const QString& Path) const {
    return QFileInfo(Path).isDir();
}

bool TFileOps::FileExists(const QString& Path) const {
    const fs::file_type t = EntryType(Path);
    return t == fs::file_type::regular || t == fs::file_type::symlink;
}

bool TFileOps::EntryExists(const QString& Path) const {
    const fs::file_type t = EntryType(Path);
    return t != fs::file_type::not_found && t != fs::file_type::none;
}

bool TFileOps::FolderIsEmpty(const QString& Path) const {
    return QDir(Path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                              QDir::System);
}

bool TFileOps::CreateFolder(const QString& Path) {
    std::error_code ec;
    return fs::create_directory(NativePath(Path), ec) && !ec;
}

bool TFileOps::Rename(const QString& From, const QString& To) {
    if (!EntryExists(From) || EntryExists(To)) return false;
    std::error_code ec;
    fs::rename(NativePath(From), NativePath(To), ec);
    return !ec;
}

bool TFileOps::RemoveFile(const QString& Path) {
    // A link is removed as the entry it is; what it points to stays.
    if (EntryType(Path) == fs::file_type::directory) return false;
    std::error_code ec;
    return fs::remove(NativePath(Path), ec) && !ec;
}

bool TFileOps::RemoveEmptyFolder(const QString& Path) {
    if (EntryType(Path) != fs::file_type::directory) return false;
    std::error_code ec;
    return fs::remove(NativePath(Path), ec) && !ec;
}

TFileOps& DiskFileOps() {
    static TFileOps ops;
    return ops;
}
