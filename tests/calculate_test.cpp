#include "fake_view.h"
#include "load.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vornik {
namespace {

using Texts = std::array<std::string, 4>;

struct CalculationCase {
    const char* name;
    Texts inputs;
    bool threePhase;
    Texts outputs;
};

const CalculationCase kCalculationCases[] = {
    {"default texts", {"0", "0.8", "0.85", "1"}, false, {"0.000", "0.000", "0.000", "0.000"}},
    {"worked values, single-phase", {"100", "0.8", "0.85", "1"}, false, {"80.000", "427.807", "49.580", "94.118"}},
    {"worked values, three-phase", {"100", "0.8", "0.85", "1"}, true, {"80.000", "143.001", "49.580", "94.118"}},
    {"all factors below 1, single-phase", {"10", "0.7", "0.8", "0.9"}, false, {"6.300", "35.795", "4.725", "7.875"}},
    {"all factors below 1, three-phase", {"10", "0.7", "0.8", "0.9"}, true, {"6.300", "11.965", "4.725", "7.875"}},
    {"negative capacity, single-phase", {"-100", "0.8", "0.85", "1"}, false,
     {"-80.000", "-427.807", "-49.580", "94.118"}},
    {"negative capacity, three-phase", {"-100", "0.8", "0.85", "1"}, true, {"-80.000", "143.001", "-49.580", "94.118"}},
    {"power factor 1 is accepted", {"100", "0.8", "1", "1"}, false, {"80.000", "363.636", "0.000", "80.000"}},
    {"demand and simultaneity factors of 1 are accepted", {"100", "1", "0.85", "1"}, false,
     {"100.000", "534.759", "61.974", "117.647"}},
    {"capacity that is not a number counts as 0", {"abc", "0.8", "0.85", "1"}, false,
     {"0.000", "0.000", "0.000", "0.000"}},
    {"full-width input", {"\uFF11\uFF10\uFF10", "\uFF10\uFF0E\uFF18", "\uFF10\uFF0E\uFF18\uFF15", "\uFF11"}, false,
     {"80.000", "427.807", "49.580", "94.118"}},
    {"infinite capacity gives infinite results", {"1e39", "0.8", "0.85", "1"}, false, {"∞", "∞", "∞", "∞"}},
    {"1e38 three-phase stays in range", {"1e38", "0.8", "0.85", "1"}, true,
     {"80000000000000000000000000000000000000.000", "143001160000000000000000000000000000000.000",
      "49579544000000000000000000000000000000.000", "94117640000000000000000000000000000000.000"}},
};

TEST(RunCalculation, WritesTheFourResults) {
    for (const CalculationCase& c : kCalculationCases) {
        SCOPED_TRACE(c.name);
        FakeView view;
        view.inputs = c.inputs;
        view.outputs = {"typed", "by", "the", "user"};
        if (c.threePhase) {
            view.selectThreePhase();
        }
        runCalculation(view);
        EXPECT_TRUE(view.messages.empty());
        EXPECT_EQ(view.outputs, c.outputs);
        EXPECT_EQ(view.inputs, c.inputs) << "inputs are only read";
    }
}

TEST(RunCalculation, StoresInputsAsNearestFloats) {
    FakeView view;
    view.inputs = {"100", "0.8", "0.85", "1"};
    runCalculation(view);
    const LoadRecord& r = view.loadRecord;
    EXPECT_EQ(r.installedCapacity, 100.0f);
    EXPECT_EQ(r.demandFactor, 0.8f);
    EXPECT_EQ(r.powerFactor, 0.85f);
    EXPECT_EQ(r.simultaneityFactor, 1.0f);
    EXPECT_EQ(r.voltage, 220.0f);
}

TEST(RunCalculation, SwitchingSupplyRecomputes) {
    FakeView view;
    view.inputs[0] = "100";
    runCalculation(view);
    EXPECT_EQ(view.outputs[1], "427.807");
    view.selectThreePhase();
    runCalculation(view);
    EXPECT_EQ(view.outputs[1], "143.001");
    EXPECT_EQ(view.loadRecord.voltage, 380.0f);
    view.option1 = true;
    view.option2 = false;
    runCalculation(view);
    EXPECT_EQ(view.outputs[1], "427.807");
}

struct MessageCase {
    const char* name;
    Texts inputs;
    std::string_view message;
};

const MessageCase kMessageCases[] = {
    {"empty power factor", {"100", "0.8", "", "1"}, kPowerFactorMessage},
    {"power factor 0", {"100", "0.8", "0", "1"}, kPowerFactorMessage},
    {"negative power factor", {"100", "0.8", "-0.5", "1"}, kPowerFactorMessage},
    {"power factor just above 1", {"100", "0.8", "1.0001", "1"}, kPowerFactorMessage},
    {"power factor of letters", {"100", "0.8", "cos", "1"}, kPowerFactorMessage},
    {"infinite power factor", {"100", "0.8", "1e39", "1"}, kPowerFactorMessage},
    {"negative zero power factor", {"100", "0.8", "-0", "1"}, kPowerFactorMessage},
    {"power factor is tested first", {"100", "0", "0", "2"}, kPowerFactorMessage},
    {"demand factor 0, then nothing else", {"100", "0", "0.85", "2"}, kDemandFactorMessage},
    {"demand factor above 1", {"100", "1.5", "0.85", "1"}, kDemandFactorMessage},
    {"infinite demand factor", {"100", "1e39", "0.85", "1"}, kDemandFactorMessage},
    {"simultaneity factor 1.5", {"100", "0.8", "0.85", "1.5"}, kSimultaneityFactorMessage},
    {"simultaneity factor -1", {"100", "0.8", "0.85", "-1"}, kSimultaneityFactorMessage},
    {"empty simultaneity factor", {"100", "0.8", "0.85", ""}, kSimultaneityFactorMessage},
    {"factor 1e-50 narrows to 0", {"100", "0.8", "0.85", "1e-50"}, kSimultaneityFactorMessage},
};

// After a message the outputs and the previous results stay; the record holds
// the four inputs just read.
TEST(RunCalculation, ShowsOnlyTheFirstFailingFactor) {
    for (const MessageCase& c : kMessageCases) {
        SCOPED_TRACE(c.name);
        FakeView view;
        view.inputs = {"10", "0.7", "0.8", "0.9"};
        runCalculation(view);
        const LoadRecord before = view.loadRecord;
        const Texts outputsBefore = view.outputs;

        view.inputs = c.inputs;
        runCalculation(view);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0], c.message);
        EXPECT_EQ(view.outputs, outputsBefore);

        const LoadRecord& after = view.loadRecord;
        EXPECT_EQ(after.installedCapacity, static_cast<float>(parseNumberText(c.inputs[0])));
        EXPECT_EQ(after.demandFactor, static_cast<float>(parseNumberText(c.inputs[1])));
        EXPECT_EQ(after.powerFactor, static_cast<float>(parseNumberText(c.inputs[2])));
        EXPECT_EQ(after.simultaneityFactor, static_cast<float>(parseNumberText(c.inputs[3])));
        EXPECT_EQ(after.activePower, before.activePower);
        EXPECT_EQ(after.current, before.current);
        EXPECT_EQ(after.reactivePower, before.reactivePower);
        EXPECT_EQ(after.apparentPower, before.apparentPower);
        EXPECT_EQ(after.voltage, before.voltage);
    }
}

TEST(RunCalculation, StoresAllFourInputsBeforeTesting) {
    FakeView view;
    view.inputs = {"5", "0.5", "7", "0.25"};
    runCalculation(view);
    EXPECT_EQ(view.loadRecord.installedCapacity, 5.0f);
    EXPECT_EQ(view.loadRecord.demandFactor, 0.5f);
    EXPECT_EQ(view.loadRecord.powerFactor, 7.0f);
    EXPECT_EQ(view.loadRecord.simultaneityFactor, 0.25f);
}

struct FaultCase {
    const char* name;
    Texts inputs;
    bool threePhase;
    int checkpoint;
};

const FaultCase kFaultCases[] = {
    {"single-phase current of 1e38", {"1e38", "0.8", "0.85", "1"}, false, 5},
    {"infinite capacity with power factor 1", {"1e39", "0.8", "1", "1"}, false, 3},
    {"infinite capacity with power factor 1, three-phase", {"1e39", "0.8", "1", "1"}, true, 3},
};

TEST(RunCalculation, FaultLeavesEveryOutputBox) {
    for (const FaultCase& c : kFaultCases) {
        SCOPED_TRACE(c.name);
        FakeView view;
        view.inputs = c.inputs;
        view.outputs = {"1", "2", "3", "4"};
        if (c.threePhase) {
            view.selectThreePhase();
        }
        try {
            runCalculation(view);
            ADD_FAILURE() << "no fault raised";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.checkpoint(), c.checkpoint);
        }
        EXPECT_EQ(view.outputs, (Texts{"1", "2", "3", "4"}));
        EXPECT_TRUE(view.messages.empty());
    }
}

TEST(RunCalculation, NoOptionSelectedWritesNothing) {
    FakeView view;
    view.option1 = false;
    runCalculation(view);
    EXPECT_EQ(view.outputs, (Texts{"0", "0", "0", "0"}));
    EXPECT_TRUE(view.messages.empty());
}

}  // namespace
}  // namespace vornik
