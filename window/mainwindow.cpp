#include "mainwindow.h"

#include "controls.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <cstddef>
#include <exception>
#include <iterator>

namespace vornik {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vornik程序"));
    // Fixed size and no maximise button: the places are absolute.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientSizeInPixels());

    std::array<QWidget*, std::size(kControls)> byTabIndex{};
    for (const Control& c : kControls) {
        QWidget* widget = createControl(c, this);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setAccessibleName(QString::fromUtf8(c.accessibleName));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // Enter presses no button, not even the one that has the focus.
            button->setAutoDefault(false);
        }
        byTabIndex[static_cast<std::size_t>(c.tabIndex)] = widget;
    }
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1));
    }
    option1_ = findChild<QRadioButton*>(QStringLiteral("Option1"));
    option2_ = findChild<QRadioButton*>(QStringLiteral("Option2"));

    // Labels take no focus, so the chain is the text boxes, the two buttons
    // and then the option group.
    QWidget* previous = nullptr;
    for (QWidget* widget : byTabIndex) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }

    option1_->setChecked(true);
    option1_->installEventFilter(this);
    option2_->installEventFilter(this);
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &MainWindow::calculate);
    // Exit asks nothing and saves nothing.
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            [] { QCoreApplication::exit(0); });
    texts_[0]->setFocus();
}

// Every arrow key moves the selection to the other option, as in an option
// group of the classic desktop; Qt alone moves only towards a button that
// lies in the arrow's direction, so Up and Down would do nothing in a row.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == option1_ || watched == option2_)) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            QRadioButton* other = watched == option1_ ? option2_ : option1_;
            other->setFocus(Qt::TabFocusReason);
            other->setChecked(true);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::calculate() {
    // Nothing may leave a slot into the event loop; a fault ends only this
    // calculation, and the inputs stay for the user to correct.
    try {
        runCalculation(*this);
    } catch (const ArithmeticFault&) {
        showMessage(kFaultMessage);
    } catch (const std::exception&) {
        showMessage("无法计算");
    }
}

std::string MainWindow::inputText(InputBox box) const {
    return texts_[static_cast<std::size_t>(box) - 1]->text().toStdString();
}

bool MainWindow::isSelected(OptionButton option) const {
    return (option == OptionButton::Option1 ? option1_ : option2_)->isChecked();
}

void MainWindow::setOutputText(OutputBox box, std::string_view text) {
    texts_[static_cast<std::size_t>(box) - 1]->setText(fromUtf8(text));
}

void MainWindow::showMessage(std::string_view message) {
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(kMessageTitle), fromUtf8(message), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);  // the messages hold '<'
    box.setDefaultButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // some themes decorate OK; the box has no icon at all
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

LoadRecord& MainWindow::record() { return record_; }

}  // namespace vornik
