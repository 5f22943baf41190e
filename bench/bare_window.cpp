// The baseline for the start-up benchmark: a plain Qt window with the same
// twenty controls at the same places and nothing else (no translations, no
// font choice, no calculation).
#include "controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(vornik::kClientWidth / vornik::kTwipsPerPixel, vornik::kClientHeight / vornik::kTwipsPerPixel);
    for (const vornik::Control& c : vornik::kControls) {
        const QString caption = QString::fromUtf8(c.caption);
        QWidget* widget = nullptr;
        switch (c.kind) {
        case vornik::ControlKind::Label:
            widget = new QLabel(caption, &window);
            break;
        case vornik::ControlKind::Text:
            widget = new QLineEdit(caption, &window);
            break;
        case vornik::ControlKind::Option:
            widget = new QRadioButton(caption, &window);
            break;
        case vornik::ControlKind::Command:
            widget = new QPushButton(caption, &window);
            break;
        }
        widget->setGeometry(vornik::pixelsFromTwips(c));
    }
    window.show();
    return QApplication::exec();
}
