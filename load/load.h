// The load calculation: the record of one calculation, the formulas that fill
// its results for a single- or three-phase supply, and the Calculate command,
// which runs on any window that implements LoadView. Plain C++, no toolkit:
// the window only supplies texts and shows what this code decides.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace vornik {

// Every value is single precision and starts at zero; nothing ever resets a
// field, so each keeps its last value until it is written again.
struct LoadRecord {
    float installedCapacity = 0.0f;   // Pe, kW
    float activePower = 0.0f;         // P, kW
    float current = 0.0f;             // I, A
    float powerFactor = 0.0f;         // cos
    float demandFactor = 0.0f;        // kx
    float simultaneityFactor = 0.0f;  // kt
    float apparentPower = 0.0f;       // S, kVA
    float reactivePower = 0.0f;       // Q, kvar
    float voltage = 0.0f;             // U, V
};

enum class SupplyType { SinglePhase, ThreePhase };

// Raised by computeLoad when a status test finds an invalid operation, a
// division by zero or an overflow. checkpoint() is the number of the test
// that found it (1 to 6, in the order the tests are made).
class ArithmeticFault : public std::exception {
public:
    explicit ArithmeticFault(int checkpoint) noexcept : checkpoint_(checkpoint) {}
    const char* what() const noexcept override;
    int checkpoint() const noexcept { return checkpoint_; }

private:
    int checkpoint_;
};

// Fills voltage, activePower, reactivePower, apparentPower and current from
// the four inputs. The factors must already be in (0, 1]; the installed
// capacity may be anything, infinities included. On a fault the fields stored
// before the failing test keep their new values and the rest their old ones.
void computeLoad(LoadRecord& record, SupplyType supply);

enum class InputBox { Text1 = 1, Text2, Text3, Text4 };
enum class OutputBox { Text5 = 5, Text6, Text7, Text8 };
enum class OptionButton { Option1 = 1, Option2 };

// What the Calculate command needs of a window. Texts are UTF-8.
class LoadView {
public:
    virtual ~LoadView() = default;
    virtual std::string inputText(InputBox box) const = 0;
    virtual bool isSelected(OptionButton option) const = 0;
    virtual void setOutputText(OutputBox box, std::string_view text) = 0;
    // Modal: returns once the user has dismissed the message.
    virtual void showMessage(std::string_view message) = 0;
    virtual LoadRecord& record() = 0;
};

// The range messages, in the order their tests are made.
inline constexpr std::string_view kPowerFactorMessage = "功率因数必须(0<cos<=1)";
inline constexpr std::string_view kDemandFactorMessage = "需用系数必须(0<kx<1)";
inline constexpr std::string_view kSimultaneityFactorMessage = "同时系数必须(0<kt<1)";

// Reads the four inputs into the view's record, tests the power, demand and
// simultaneity factors in that order (the first one out of range is shown and
// ends the command), computes for the selected supply and writes Text5 to
// Text8. An ArithmeticFault from computeLoad passes through untouched, before
// any output box is written.
void runCalculation(LoadView& view);

}  // namespace vornik
