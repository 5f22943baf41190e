// The program's one window: twenty controls at fixed places, the option group
// for the supply, and the message box. It owns the load record and hands the
// Calculate click to the core; it does no arithmetic of its own.
#pragma once

#include "load.h"

#include <QWidget>

#include <array>
#include <string>
#include <string_view>

class QLineEdit;
class QRadioButton;

namespace vornik {

// Shown when the formulas raise their arithmetic fault: the inputs stay and
// the program goes on.
inline constexpr std::string_view kFaultMessage = "数值超出范围，无法计算";
inline constexpr std::string_view kMessageTitle = "Vornik";

class MainWindow : public QWidget, public LoadView {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    std::string inputText(InputBox box) const override;
    bool isSelected(OptionButton option) const override;
    void setOutputText(OutputBox box, std::string_view text) override;
    void showMessage(std::string_view message) override;
    LoadRecord& record() override;

    const LoadRecord& record() const { return record_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void calculate();

    LoadRecord record_;
    std::array<QLineEdit*, 8> texts_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
};

}  // namespace vornik
