// The window's twenty controls as data: kind, name, caption, place in twips,
// tab index. The window builds itself from this table, and so does the bare
// window that the start-up benchmark compares it with.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

namespace vornik {

enum class ControlKind { Label, Text, Option, Command };

struct Control {
    ControlKind kind;
    const char* name;
    const char* caption;
    int left, top, width, height;  // twips
    int tabIndex;
    const char* accessibleName;  // what a screen reader says for a text box
};

// Labels, text boxes, options and buttons each in their own index order.
inline constexpr Control kControls[] = {
    {ControlKind::Label, "Label1_0", "安装容量", 240, 480, 1095, 255, 5, nullptr},
    {ControlKind::Label, "Label1_1", "需用系数", 240, 1200, 1095, 255, 6, nullptr},
    {ControlKind::Label, "Label1_2", "功率因数", 240, 2040, 1095, 255, 7, nullptr},
    {ControlKind::Label, "Label1_3", "同时系数", 240, 2880, 1095, 255, 8, nullptr},
    {ControlKind::Label, "Label1_4", "计算功率", 3360, 480, 1095, 255, 9, nullptr},
    {ControlKind::Label, "Label1_5", "Vornik", 3360, 1320, 975, 255, 13, nullptr},
    {ControlKind::Label, "Label1_6", "无用功率", 3360, 2040, 1095, 255, 14, nullptr},
    {ControlKind::Label, "Label1_7", "视在功率", 3360, 3000, 975, 255, 15, nullptr},
    {ControlKind::Text, "Text1", "0", 1440, 480, 1455, 375, 0, "安装容量"},
    {ControlKind::Text, "Text2", "0.8", 1440, 1200, 1455, 375, 1, "需用系数"},
    {ControlKind::Text, "Text3", "0.85", 1440, 2040, 1455, 375, 2, "功率因数"},
    {ControlKind::Text, "Text4", "1", 1440, 2880, 1455, 375, 3, "同时系数"},
    {ControlKind::Text, "Text5", "0", 4560, 480, 1575, 375, 4, "计算功率"},
    {ControlKind::Text, "Text6", "0", 4560, 1200, 1575, 375, 10, "计算电流"},
    {ControlKind::Text, "Text7", "0", 4560, 2040, 1575, 375, 11, "无用功率"},
    {ControlKind::Text, "Text8", "0", 4560, 2880, 1575, 375, 12, "视在功率"},
    {ControlKind::Option, "Option1", "单相", 480, 3720, 855, 255, 18, nullptr},
    {ControlKind::Option, "Option2", "三相", 1800, 3720, 855, 255, 19, nullptr},
    {ControlKind::Command, "Command1", "计算", 3360, 3720, 975, 375, 16, nullptr},
    {ControlKind::Command, "Command2", "退出", 5280, 3720, 975, 375, 17, nullptr},
};

// Places are given in twips; 15 twips make one logical pixel (96 dots per
// inch). Qt scales logical pixels on HiDPI screens.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 6465;
inline constexpr int kClientHeight = 4290;

inline QSize clientSizeInPixels() { return {kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel}; }

inline QRect pixelsFromTwips(const Control& c) {
    return {c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel, c.height / kTwipsPerPixel};
}

// The control of the row's kind with its caption, name and place.
inline QWidget* createControl(const Control& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::Label:
        widget = new QLabel(caption, parent);
        break;
    case ControlKind::Text:
        widget = new QLineEdit(caption, parent);
        break;
    case ControlKind::Option:
        widget = new QRadioButton(caption, parent);
        break;
    case ControlKind::Command:
        widget = new QPushButton(caption, parent);
        break;
    }
    widget->setObjectName(QString::fromLatin1(c.name));
    widget->setGeometry(pixelsFromTwips(c));
    return widget;
}

}  // namespace vornik
