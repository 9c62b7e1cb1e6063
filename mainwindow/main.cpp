// Starts the game.
#include "mainwindow/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return RunVirelune(app);
}
