#include "mainwindow.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstddef>
#include <exception>
#include <iterator>

namespace vornik {

namespace {

enum class Kind { Label, Text, Option, Command };

struct Control {
    Kind kind;
    const char* name;
    const char* caption;
    int left, top, width, height;  // twips
    int tabIndex;
    const char* accessibleName;  // what a screen reader says for a text box
};

// Labels, text boxes, options and buttons each in their own index order.
constexpr Control kControls[] = {
    {Kind::Label, "Label1_0", "安装容量", 240, 480, 1095, 255, 5, nullptr},
    {Kind::Label, "Label1_1", "需用系数", 240, 1200, 1095, 255, 6, nullptr},
    {Kind::Label, "Label1_2", "功率因数", 240, 2040, 1095, 255, 7, nullptr},
    {Kind::Label, "Label1_3", "同时系数", 240, 2880, 1095, 255, 8, nullptr},
    {Kind::Label, "Label1_4", "计算功率", 3360, 480, 1095, 255, 9, nullptr},
    {Kind::Label, "Label1_5", "Vornik", 3360, 1320, 975, 255, 13, nullptr},
    {Kind::Label, "Label1_6", "无用功率", 3360, 2040, 1095, 255, 14, nullptr},
    {Kind::Label, "Label1_7", "视在功率", 3360, 3000, 975, 255, 15, nullptr},
    {Kind::Text, "Text1", "0", 1440, 480, 1455, 375, 0, "安装容量"},
    {Kind::Text, "Text2", "0.8", 1440, 1200, 1455, 375, 1, "需用系数"},
    {Kind::Text, "Text3", "0.85", 1440, 2040, 1455, 375, 2, "功率因数"},
    {Kind::Text, "Text4", "1", 1440, 2880, 1455, 375, 3, "同时系数"},
    {Kind::Text, "Text5", "0", 4560, 480, 1575, 375, 4, "计算功率"},
    {Kind::Text, "Text6", "0", 4560, 1200, 1575, 375, 10, "计算电流"},
    {Kind::Text, "Text7", "0", 4560, 2040, 1575, 375, 11, "无用功率"},
    {Kind::Text, "Text8", "0", 4560, 2880, 1575, 375, 12, "视在功率"},
    {Kind::Option, "Option1", "单相", 480, 3720, 855, 255, 18, nullptr},
    {Kind::Option, "Option2", "三相", 1800, 3720, 855, 255, 19, nullptr},
    {Kind::Command, "Command1", "计算", 3360, 3720, 975, 375, 16, nullptr},
    {Kind::Command, "Command2", "退出", 5280, 3720, 975, 375, 17, nullptr},
};

// Places are given in twips; 15 twips make one logical pixel (96 dots per
// inch). Qt scales logical pixels on HiDPI screens.
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 6465;
constexpr int kClientHeight = 4290;

QRect pixelsFromTwips(const Control& c) {
    return {c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel, c.height / kTwipsPerPixel};
}

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
    setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);

    std::size_t label = 0;
    std::size_t text = 0;
    std::array<QWidget*, std::size(kControls)> byTabIndex{};
    for (const Control& c : kControls) {
        const QString caption = QString::fromUtf8(c.caption);
        QWidget* widget = nullptr;
        switch (c.kind) {
        case Kind::Label:
            widget = labels_[label++] = new QLabel(caption, this);
            break;
        case Kind::Text: {
            auto* box = new QLineEdit(caption, this);
            box->setAccessibleName(QString::fromUtf8(c.accessibleName));
            widget = texts_[text++] = box;
            break;
        }
        case Kind::Option:
            widget = new QRadioButton(caption, this);
            (option1_ == nullptr ? option1_ : option2_) = static_cast<QRadioButton*>(widget);
            break;
        case Kind::Command: {
            auto* button = new QPushButton(caption, this);
            // Enter presses no button, not even the one that has the focus.
            button->setAutoDefault(false);
            widget = button;
            (command1_ == nullptr ? command1_ : command2_) = button;
            break;
        }
        }
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setGeometry(pixelsFromTwips(c));
        byTabIndex[static_cast<std::size_t>(c.tabIndex)] = widget;
    }

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
    connect(command1_, &QPushButton::clicked, this, &MainWindow::calculate);
    // Exit asks nothing and saves nothing.
    connect(command2_, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
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
