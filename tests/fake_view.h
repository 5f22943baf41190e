// A window without a toolkit: holds the texts of the eight boxes, the option
// selection and the record, and remembers every message it was asked to show.
#pragma once

#include "load.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornik {

class FakeView : public LoadView {
public:
    std::array<std::string, 4> inputs{"0", "0.8", "0.85", "1"};
    std::array<std::string, 4> outputs{"0", "0", "0", "0"};
    bool option1 = true;
    bool option2 = false;
    std::vector<std::string> messages;
    LoadRecord loadRecord;

    std::string inputText(InputBox box) const override {
        return inputs[static_cast<std::size_t>(box) - 1];
    }
    bool isSelected(OptionButton option) const override {
        return option == OptionButton::Option1 ? option1 : option2;
    }
    void setOutputText(OutputBox box, std::string_view text) override {
        outputs[static_cast<std::size_t>(box) - 5] = std::string(text);
    }
    void showMessage(std::string_view message) override { messages.emplace_back(message); }
    LoadRecord& record() override { return loadRecord; }

    void selectThreePhase() {
        option1 = false;
        option2 = true;
    }
};

}  // namespace vornik
