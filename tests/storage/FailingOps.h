// File operations that tests can make fail.
#pragma once

#include "storage/FileOps.h"

#include <QString>

// File operations that fail on every path ending in FailOn (the tests run as root, where
// permissions alone cannot make them fail).
class TFailingOps : public TFileOps {
public:
    QString FailOn;
    bool Fails(const QString& Path) const { return !FailOn.isEmpty() && Path.endsWith(FailOn); }
    bool CreateFolder(const QString& Path) override {
        return !Fails(Path) && TFileOps::CreateFolder(Path);
    }
    bool Rename(const QString& From, const QString& To) override {
        return !Fails(From) && TFileOps::Rename(From, To);
    }
    bool RemoveFile(const QString& Path) override {
        return !Fails(Path) && TFileOps::RemoveFile(Path);
    }
    bool RemoveEmptyFolder(const QString& Path) override {
        return !Fails(Path) && TFileOps::RemoveEmptyFolder(Path);
    }
};
