#include "application.h"
#include "mainwindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!vornik::displayReachable()) {
        // Qt would abort with a page about platform plugins instead.
        std::fprintf(stderr,
                     "vornik: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); "
                     "without a desktop, run it under a virtual one: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "vornik");
        return 1;
    }
    QApplication app(argc, argv);
    vornik::setUpApplication(app);
    vornik::MainWindow window;
    window.show();
    return QApplication::exec();
}
