// The seams a benchmark hands the main window besides silent messages: a file browser that
// never picks a file.
#pragma once

#include "session/FileChooser.h"
#include "rules/Messages.h"

class TNoFiles : public TFileChooser {
public:
    bool Execute(TOpenSaveType, const QString&, const QString&, const QString&) override {
        return false;
    }
    void GetTitleInfoHelp(QString&, QString&, QString&) override {}
    void GetTitleInfo(QString&, QString&) override {}
};
