// The baseline for the start-up benchmark: a plain Qt window with the same
// twenty controls at the same places and nothing else (no translations, no
// font choice, no calculation).
#include "controls.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(vornik::clientSizeInPixels());
    for (const vornik::Control& c : vornik::kControls) {
        vornik::createControl(c, &window);
    }
    window.show();
    return QApplication::exec();
}
