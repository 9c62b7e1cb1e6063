// Hands a web address to the desktop.
#include "platform/OpenUrl.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenUrl(const QString& Url) {
    const QUrl url(Url, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return false;
    return QDesktopServices::openUrl(url);
}
