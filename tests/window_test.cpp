// The window driven as a user drives it: typing, clicking, Tab and arrow
// keys, and the modal message box read and closed by a timer.
#include "application.h"
#include "mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using vornik::MainWindow;

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// How a test dismisses the message box.
enum class Dismiss { Enter, Escape, Space, Close };

// What the message box showed, read while it was open.
struct BoxSeen {
    bool seen = false;
    bool closedByUser = true;  // false: the dismissal failed and the box was forced shut
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
    QWidget* parent = nullptr;
};

}  // namespace

Q_DECLARE_METATYPE(Dismiss)

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window_;

    template <typename T = QWidget>
    T* control(const char* name) const {
        auto* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }

    QLineEdit* text(int number) const { return control<QLineEdit>(QByteArray("Text").append(QByteArray::number(number))); }

    void typeInto(QLineEdit* box, const QString& ascii) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, ascii);
    }

    // Runs trigger, which is expected to open the modal box; a timer reads the
    // box and dismisses it the given way. When the dismissal does not work
    // the box is forced shut and the test fails instead of hanging.
    BoxSeen runWithBox(const std::function<void()>& trigger, Dismiss how = Dismiss::Enter) {
        BoxSeen seen;
        int attempts = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            if (!seen.seen) {
                seen.seen = true;
                seen.title = box->windowTitle();
                seen.text = box->text();
                seen.icon = box->icon();
                seen.modal = box->isModal();
                seen.parent = box->parentWidget();
                for (QAbstractButton* button : box->buttons()) {
                    seen.buttons << button->text();
                }
            }
            if (++attempts > 20) {
                seen.closedByUser = false;
                box->done(0);
                return;
            }
            switch (how) {
            case Dismiss::Enter:
                QTest::keyClick(box, Qt::Key_Return);
                break;
            case Dismiss::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Dismiss::Space:
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Space);
                break;
            case Dismiss::Close:
                box->close();
                break;
            }
        });
        timer.start(20);
        trigger();
        timer.stop();
        return seen;
    }

    // The room a control needs to show itself whole. Labels and line edits
    // report it as their size hints; for line edits the width is the minimum,
    // the preferred one being a fixed 17 characters. Fusion pads the hints of
    // push buttons to 80 pixels and of radio buttons by a focus margin, so
    // those are measured from the style's own metrics.
    static QSize contentSize(QWidget* widget) {
        const QFontMetrics metrics = widget->fontMetrics();
        const QStyle* style = widget->style();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            return {edit->minimumSizeHint().width(), edit->sizeHint().height()};
        }
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio);
            const int spacing = style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
            return {indicator + spacing + metrics.horizontalAdvance(radio->text()),
                    std::max(style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, radio), metrics.height())};
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            return {metrics.horizontalAdvance(button->text()) + 2 * (margin + frame), button->sizeHint().height()};
        }
        return widget->sizeHint();
    }

    void clickCalculateExpectingNoBox() {
        const BoxSeen seen = runWithBox([&] { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); });
        QVERIFY2(!seen.seen, qPrintable(QStringLiteral("unexpected message: ") + seen.text));
    }

    QStringList outputs() const {
        return {text(5)->text(), text(6)->text(), text(7)->text(), text(8)->text()};
    }

private slots:
    void initTestCase() {
        QVERIFY2(vornik::setUpApplication(*qApp), "no font with Simplified Chinese glyphs is installed");
    }

    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void startState() {
        QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Vornik程序"));
        QVERIFY(window_->isWindow());
        QVERIFY(qobject_cast<QDialog*>(window_.get()) == nullptr);
        const QStringList texts{"0", "0.8", "0.85", "1", "0", "0", "0", "0"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(text(i + 1)->text(), texts[i]);
            QVERIFY(!text(i + 1)->isReadOnly());
        }
        QVERIFY(control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(QApplication::focusWidget(), text(1));
        const vornik::LoadRecord& r = std::as_const(*window_).record();
        for (float field : {r.installedCapacity, r.activePower, r.current, r.powerFactor, r.demandFactor,
                            r.simultaneityFactor, r.apparentPower, r.reactivePower, r.voltage}) {
            QCOMPARE(field, 0.0f);
        }
    }

    void fixedClientArea() {
        QCOMPARE(window_->size(), QSize(431, 286));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void placesAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        const struct {
            const char* name;
            const char* caption;
            QRect twips;
        } rows[] = {
            {"Label1_0", "安装容量", {240, 480, 1095, 255}},   {"Label1_1", "需用系数", {240, 1200, 1095, 255}},
            {"Label1_2", "功率因数", {240, 2040, 1095, 255}},  {"Label1_3", "同时系数", {240, 2880, 1095, 255}},
            {"Label1_4", "计算功率", {3360, 480, 1095, 255}},  {"Label1_5", "Vornik", {3360, 1320, 975, 255}},
            {"Label1_6", "无用功率", {3360, 2040, 1095, 255}}, {"Label1_7", "视在功率", {3360, 3000, 975, 255}},
            {"Text1", "0", {1440, 480, 1455, 375}},             {"Text2", "0.8", {1440, 1200, 1455, 375}},
            {"Text3", "0.85", {1440, 2040, 1455, 375}},         {"Text4", "1", {1440, 2880, 1455, 375}},
            {"Text5", "0", {4560, 480, 1575, 375}},             {"Text6", "0", {4560, 1200, 1575, 375}},
            {"Text7", "0", {4560, 2040, 1575, 375}},            {"Text8", "0", {4560, 2880, 1575, 375}},
            {"Option1", "单相", {480, 3720, 855, 255}},         {"Option2", "三相", {1800, 3720, 855, 255}},
            {"Command1", "计算", {3360, 3720, 975, 375}},       {"Command2", "退出", {5280, 3720, 975, 375}},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromUtf8(row.caption) << row.twips;
        }
    }

    // Every control sits at its place, and what it shows (with the fonts
    // installed, at this run's scale factor) fits inside it.
    void placesAndCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        auto* widget = window_->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            shown = label->text();
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            shown = box->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            shown = button->text();
        }
        QCOMPARE(shown, caption);
        const QSize hint = contentSize(widget);
        QVERIFY2(hint.width() <= widget->width() && hint.height() <= widget->height(),
                 qPrintable(QStringLiteral("size hint %1x%2 in %3x%4")
                                .arg(hint.width())
                                .arg(hint.height())
                                .arg(widget->width())
                                .arg(widget->height())));
    }

    // The icon is drawn from the SVG that the desktop menu uses too; an
    // empty pixmap means the SVG icon engine is missing.
    void windowIcon() {
        QVERIFY(!window_->windowIcon().pixmap(64, 64).isNull());
    }

    void chineseFont() {
        QVERIFY(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
        const QString family = QFontInfo(control<QLabel>("Label1_0")->font()).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(family));
    }

    void qtTextsInChinese() {
        std::unique_ptr<QMenu> menu(text(1)->createStandardContextMenu());
        QStringList actions;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                actions << action->text();
            }
        }
        QVERIFY(!actions.isEmpty());
        QVERIFY2(!actions.contains(QStringLiteral("&Undo")) && !actions.contains(QStringLiteral("Select All")),
                 qPrintable(actions.join(QLatin1Char('|'))));
        QVERIFY2(actions.join(QString()).contains(QStringLiteral("撤")), qPrintable(actions.join(QLatin1Char('|'))));
    }

    void accessibleNames_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("name");
        const char* names[] = {"安装容量", "需用系数", "功率因数", "同时系数", "计算功率", "计算电流", "无用功率", "视在功率"};
        for (int i = 0; i < 8; ++i) {
            QTest::newRow(names[i]) << i + 1 << QString::fromUtf8(names[i]);
        }
    }

    void accessibleNames() {
        QFETCH(int, box);
        QFETCH(QString, name);
        QCOMPARE(text(box)->accessibleName(), name);
    }

    void tabOrder() {
        const QStringList expected{"Text2", "Text3",    "Text4",    "Text5",   "Text6", "Text7",
                                   "Text8", "Command1", "Command2", "Option1", "Text1"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // The group is one tab stop: after choosing three-phase, Tab from
    // Command2 lands on Option2 and the next Tab leaves the group.
    void optionGroupIsOneTabStop() {
        QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
        control<QPushButton>("Command2")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    }

    void optionGroupIsExclusive() {
        auto* option1 = control<QRadioButton>("Option1");
        auto* option2 = control<QRadioButton>("Option2");
        QTest::mouseClick(option2, Qt::LeftButton);
        QVERIFY(option2->isChecked() && !option1->isChecked());
        QTest::mouseClick(option2, Qt::LeftButton);
        QVERIFY2(option2->isChecked() && !option1->isChecked(), "clicking the selected option keeps it");
        QTest::keyClick(option2, Qt::Key_Left);
        QVERIFY(option1->isChecked() && !option2->isChecked());
        QCOMPARE(QApplication::focusWidget(), option1);
        const struct {
            Qt::Key key;
            QRadioButton* from;
            QRadioButton* to;
        } moves[] = {{Qt::Key_Down, option1, option2}, {Qt::Key_Up, option2, option1},
                     {Qt::Key_Right, option1, option2}, {Qt::Key_Right, option2, option1},
                     {Qt::Key_Left, option1, option2}};
        for (const auto& move : moves) {
            QCOMPARE(QApplication::focusWidget(), move.from);
            QTest::keyClick(move.from, move.key);
            QVERIFY(move.to->isChecked() && !move.from->isChecked());
            QCOMPARE(QApplication::focusWidget(), move.to);
        }
    }

    void calculations_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<bool>("threePhase");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("defaults") << QStringList{"0", "0.8", "0.85", "1"} << false
                                  << QStringList{"0.000", "0.000", "0.000", "0.000"};
        QTest::newRow("worked, single-phase") << QStringList{"100", "0.8", "0.85", "1"} << false
                                              << QStringList{"80.000", "427.807", "49.580", "94.118"};
        QTest::newRow("worked, three-phase") << QStringList{"100", "0.8", "0.85", "1"} << true
                                             << QStringList{"80.000", "143.001", "49.580", "94.118"};
        QTest::newRow("factors below 1, three-phase") << QStringList{"10", "0.7", "0.8", "0.9"} << true
                                                      << QStringList{"6.300", "11.965", "4.725", "7.875"};
        QTest::newRow("negative capacity") << QStringList{"-100", "0.8", "0.85", "1"} << false
                                           << QStringList{"-80.000", "-427.807", "-49.580", "94.118"};
        QTest::newRow("infinite capacity") << QStringList{"1e39", "0.8", "0.85", "1"} << false
                                           << QStringList{"∞", "∞", "∞", "∞"};
    }

    // Typed and clicked as a user would; what the user typed into an output
    // box is overwritten.
    void calculations() {
        QFETCH(QStringList, inputs);
        QFETCH(bool, threePhase);
        QFETCH(QStringList, results);
        for (int i = 0; i < 4; ++i) {
            typeInto(text(i + 1), inputs[i]);
        }
        typeInto(text(6), QStringLiteral("typed"));
        if (threePhase) {
            QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
        }
        clickCalculateExpectingNoBox();
        QCOMPARE(outputs(), results);
    }

    void messages_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        const QString cos = qs(vornik::kPowerFactorMessage);
        const QString kx = qs(vornik::kDemandFactorMessage);
        const QString kt = qs(vornik::kSimultaneityFactorMessage);
        const QString fault = qs(vornik::kFaultMessage);
        QTest::newRow("empty power factor") << QStringList{"100", "0.8", "", "1"} << cos;
        QTest::newRow("power factor above 1") << QStringList{"100", "0.8", "1.0001", "1"} << cos;
        QTest::newRow("demand factor 0 before kt 2") << QStringList{"100", "0", "0.85", "2"} << kx;
        QTest::newRow("simultaneity factor 1.5") << QStringList{"100", "0.8", "0.85", "1.5"} << kt;
        QTest::newRow("fault: 1e38 single-phase current") << QStringList{"1e38", "0.8", "0.85", "1"} << fault;
        QTest::newRow("fault: 0 x inf with power factor 1") << QStringList{"1e39", "0.8", "1", "1"} << fault;
    }

    // The box: modal over the window, titled Vornik, the message as its text,
    // no icon, one button 确定. The outputs keep their texts, and after a
    // fault the program goes on and calculates again.
    void messages() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        typeInto(text(1), QStringLiteral("10"));
        clickCalculateExpectingNoBox();
        const QStringList before = outputs();
        for (int i = 0; i < 4; ++i) {
            typeInto(text(i + 1), inputs[i]);
        }
        const BoxSeen box = runWithBox([&] { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); });
        QVERIFY2(box.seen, "no message box came");
        QVERIFY(box.closedByUser);
        QCOMPARE(box.title, QStringLiteral("Vornik"));
        QCOMPARE(box.text, message);
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});
        QVERIFY(box.modal);
        QCOMPARE(box.parent, window_.get());
        QCOMPARE(outputs(), before);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(text(i + 1)->text(), inputs[i]);
        }
        QVERIFY(window_->isVisible());

        typeInto(text(1), QStringLiteral("100"));
        typeInto(text(2), QStringLiteral("0.8"));
        typeInto(text(3), QStringLiteral("0.85"));
        typeInto(text(4), QStringLiteral("1"));
        clickCalculateExpectingNoBox();
        QCOMPARE(outputs(), (QStringList{"80.000", "427.807", "49.580", "94.118"}));
    }

    void messageBoxDismissal_data() {
        QTest::addColumn<Dismiss>("how");
        QTest::newRow("Enter") << Dismiss::Enter;
        QTest::newRow("Escape") << Dismiss::Escape;
        QTest::newRow("Space") << Dismiss::Space;
        QTest::newRow("close control") << Dismiss::Close;
    }

    void messageBoxDismissal() {
        QFETCH(Dismiss, how);
        typeInto(text(3), QStringLiteral("0"));
        const BoxSeen box =
            runWithBox([&] { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }, how);
        QVERIFY(box.seen);
        QVERIFY2(box.closedByUser, "the box did not close");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // No default or cancel button: Enter on a focused button, in a text box,
    // and Escape anywhere change nothing.
    void enterAndEscapePressNothing() {
        typeInto(text(1), QStringLiteral("100"));
        const BoxSeen box = runWithBox([&] {
            for (const char* name : {"Command1", "Command2", "Text1"}) {
                QWidget* widget = control(name);
                widget->setFocus();
                QTest::keyClick(widget, Qt::Key_Return);
                QTest::keyClick(widget, Qt::Key_Enter);
                QTest::keyClick(widget, Qt::Key_Escape);
            }
            QCoreApplication::processEvents();
        });
        QVERIFY(!box.seen);
        QCOMPARE(outputs(), (QStringList{"0", "0", "0", "0"}));
        QVERIFY(window_->isVisible());
    }

    void exitEndsTheEventLoop() {
        QTimer::singleShot(0, window_.get(), [this] {
            QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        const int code = QCoreApplication::exec();
        guard.stop();
        QCOMPARE(code, 0);
    }

    // For the README: the window after a calculation, with the CJK font.
    void screenshot() {
        typeInto(text(1), QStringLiteral("100"));
        clickCalculateExpectingNoBox();
        const QString path = qEnvironmentVariable("VORNIK_SCREENSHOT", QStringLiteral("vornik-window.png"));
        QVERIFY(window_->grab().save(path));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
