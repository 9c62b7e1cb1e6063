// How the game speaks to the player: message kinds, answer codes and the one way to show a message.
#pragma once

#include <QString>

enum TMsgType { mtFlag, mtWarning, mtError, mtQuestion, mtInformation, mtFlagQuestion };

// Answer codes of a message (the dialog's modal results).
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// The name of a kind as the command-line checker prints it ("mtWarning").
QString MsgTypeName(TMsgType t);

// Whoever shows messages: the message dialog in the game, a recorder in tests, the
// checker's printer on the command line. Returns the answer code.
class TMessenger {
public:
    virtual ~TMessenger() = default;
    virtual int ShowMsg(const QString& Msg, TMsgType DlgType) = 0;
};

// Answers OK to every message without showing it: for what must never trouble the player (a
// cache that could not be written) and for benchmarks.
class TSilentMessenger : public TMessenger {
public:
    int ShowMsg(const QString&, TMsgType) override { return mrOk; }
};
