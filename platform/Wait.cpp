// Runs a nested event loop for a given time.
#include "Wait.h"

#include <QEventLoop>
#include <QTimer>

void WaitProcessingEvents(int Ms) {
    QEventLoop loop;
    QTimer::singleShot(Ms > 0 ? Ms : 0, &loop, &QEventLoop::quit);
    loop.exec();
}
