// Starts the game.
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return RunVirelune(app);
}
