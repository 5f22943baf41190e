#include "load.h"
#include "numbertext.h"

namespace vornik {

namespace {

float readInput(const LoadView& view, InputBox box) {
    return static_cast<float>(parseNumberText(view.inputText(box)));
}

// The upper test fails only above 1, so a demand or simultaneity factor of
// exactly 1 passes although its message says "<1". A NaN fails too.
bool inFactorRange(float factor) { return factor > 0.0f && factor <= 1.0f; }

}  // namespace

void runCalculation(LoadView& view) {
    LoadRecord& record = view.record();
    record.installedCapacity = readInput(view, InputBox::Text1);
    record.demandFactor = readInput(view, InputBox::Text2);
    record.powerFactor = readInput(view, InputBox::Text3);
    record.simultaneityFactor = readInput(view, InputBox::Text4);

    // The power factor test comes first.
    if (!inFactorRange(record.powerFactor)) {
        view.showMessage(kPowerFactorMessage);
        return;
    }
    if (!inFactorRange(record.demandFactor)) {
        view.showMessage(kDemandFactorMessage);
        return;
    }
    if (!inFactorRange(record.simultaneityFactor)) {
        view.showMessage(kSimultaneityFactorMessage);
        return;
    }

    // The window keeps exactly one option selected. Should a view ever offer
    // neither, nothing is computed and the outputs are left alone rather than
    // showing the previous results as if they were new.
    if (view.isSelected(OptionButton::Option1)) {
        computeLoad(record, SupplyType::SinglePhase);
    } else if (view.isSelected(OptionButton::Option2)) {
        computeLoad(record, SupplyType::ThreePhase);
    } else {
        return;
    }

    view.setOutputText(OutputBox::Text5, formatResult(record.activePower));
    view.setOutputText(OutputBox::Text6, formatResult(record.current));
    view.setOutputText(OutputBox::Text7, formatResult(record.reactivePower));
    view.setOutputText(OutputBox::Text8, formatResult(record.apparentPower));
}

}  // namespace vornik
