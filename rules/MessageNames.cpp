// The names of the message kinds, as the command-line checker prints them.
#include "rules/Messages.h"

QString MsgTypeName(TMsgType t) {
    switch (t) {
    case mtFlag:
        return QStringLiteral("mtFlag");
    case mtWarning:
        return QStringLiteral("mtWarning");
    case mtError:
        return QStringLiteral("mtError");
    case mtQuestion:
        return QStringLiteral("mtQuestion");
    case mtInformation:
        return QStringLiteral("mtInformation");
    case mtFlagQuestion:
        return QStringLiteral("mtFlagQuestion");
    }
    return QStringLiteral("mt%1").arg(int(t));
}
