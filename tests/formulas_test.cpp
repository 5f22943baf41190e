#include "load.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace vornik {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
// A result that computeLoad has not written keeps this value.
constexpr float kOld = 12345.0f;

struct Inputs {
    float installedCapacity;
    float demandFactor;
    float powerFactor;
    float simultaneityFactor;
};

// The results as computeLoad leaves them.
struct Results {
    float voltage;
    float activePower;
    float reactivePower;
    float apparentPower;
    float current;
};

LoadRecord recordWith(const Inputs& in) {
    LoadRecord record;
    record.installedCapacity = in.installedCapacity;
    record.demandFactor = in.demandFactor;
    record.powerFactor = in.powerFactor;
    record.simultaneityFactor = in.simultaneityFactor;
    record.voltage = kOld;
    record.activePower = kOld;
    record.reactivePower = kOld;
    record.apparentPower = kOld;
    record.current = kOld;
    return record;
}

// Exact to the bit: the expected values are the shortest decimals of the
// floats the formulas must store.
void expectRecord(const LoadRecord& record, const Inputs& in, const Results& want) {
    EXPECT_EQ(record.installedCapacity, in.installedCapacity);
    EXPECT_EQ(record.demandFactor, in.demandFactor);
    EXPECT_EQ(record.powerFactor, in.powerFactor);
    EXPECT_EQ(record.simultaneityFactor, in.simultaneityFactor);
    EXPECT_EQ(record.voltage, want.voltage);
    EXPECT_EQ(record.activePower, want.activePower);
    EXPECT_EQ(record.reactivePower, want.reactivePower);
    EXPECT_EQ(record.apparentPower, want.apparentPower);
    EXPECT_EQ(record.current, want.current);
}

struct ResultCase {
    const char* name;
    Inputs in;
    SupplyType supply;
    Results want;
};

constexpr auto kSingle = SupplyType::SinglePhase;
constexpr auto kThree = SupplyType::ThreePhase;

const ResultCase kResultCases[] = {
    {"worked values, single-phase", {100, 0.8f, 0.85f, 1}, kSingle, {220, 80, 49.57954f, 94.117645f, 427.80746f}},
    {"worked values, three-phase", {100, 0.8f, 0.85f, 1}, kThree, {380, 80, 49.57954f, 94.117645f, 143.00116f}},
    {"all factors below 1, single-phase", {10, 0.7f, 0.8f, 0.9f}, kSingle,
     {220, 6.2999997f, 4.7249994f, 7.8749995f, 35.795452f}},
    {"all factors below 1, three-phase", {10, 0.7f, 0.8f, 0.9f}, kThree,
     {380, 6.2999997f, 4.7249994f, 7.8749995f, 11.965175f}},
    {"negative capacity gives a negative single-phase current", {-100, 0.8f, 0.85f, 1}, kSingle,
     {220, -80, -49.57954f, 94.117645f, -427.80746f}},
    {"negative capacity gives a positive three-phase current", {-100, 0.8f, 0.85f, 1}, kThree,
     {380, -80, -49.57954f, 94.117645f, 143.00116f}},
    {"zero capacity, single-phase", {0, 0.8f, 0.85f, 1}, kSingle, {220, 0, 0, 0, 0}},
    {"zero capacity, three-phase", {0, 0.8f, 0.85f, 1}, kThree, {380, 0, 0, 0, 0}},
    {"power factor 1: no reactive power, S equals P", {100, 0.8f, 1, 1}, kSingle, {220, 80, 0, 80, 363.63635f}},
    {"three-phase current of 1e38 stays in range", {1e38f, 0.8f, 0.85f, 1}, kThree,
     {380, 8e37f, 4.9579544e37f, 9.411764e37f, 1.4300116e38f}},
    // pow returns infinity for an infinite argument without a fault.
    {"infinite capacity with cos below 1 gives infinite results", {kInf, 0.8f, 0.85f, 1}, kSingle,
     {220, kInf, kInf, kInf, kInf}},
    {"infinite capacity, three-phase", {kInf, 0.8f, 0.85f, 1}, kThree, {380, kInf, kInf, kInf, kInf}},
    {"negative infinite capacity", {-kInf, 0.8f, 0.85f, 1}, kSingle, {220, -kInf, -kInf, kInf, -kInf}},
    {"smallest factors underflow without a fault", {1, 1e-45f, 1, 1e-45f}, kSingle, {220, 0, 0, 0, 0}},
};

TEST(ComputeLoad, FillsResultsToTheBit) {
    for (const ResultCase& c : kResultCases) {
        SCOPED_TRACE(c.name);
        LoadRecord record = recordWith(c.in);
        EXPECT_NO_THROW(computeLoad(record, c.supply));
        expectRecord(record, c.in, c.want);
    }
}

TEST(ComputeLoad, ThreePhaseAfterSinglePhaseUsesItsOwnVoltage) {
    LoadRecord record = recordWith({100, 0.8f, 0.85f, 1});
    computeLoad(record, kSingle);
    computeLoad(record, kThree);
    EXPECT_EQ(record.voltage, 380.0f);
    EXPECT_EQ(record.current, 143.00116f);
}

struct FaultCase {
    const char* name;
    Inputs in;
    SupplyType supply;
    int checkpoint;
    Results want;  // kOld: not written before the fault
};

const FaultCase kFaultCases[] = {
    {"0 x inf in the reactive power (cos 1), single-phase", {kInf, 0.8f, 1, 1}, kSingle, 3,
     {220, kInf, kOld, kOld, kOld}},
    {"0 x inf in the reactive power (cos 1), three-phase", {kInf, 0.8f, 1, 1}, kThree, 3,
     {380, kInf, kOld, kOld, kOld}},
    {"reactive power beyond float range, single-phase", {1e30f, 1, 1e-10f, 1}, kSingle, 4,
     {220, 1e30f, kInf, kOld, kOld}},
    {"reactive power beyond float range, three-phase", {1e30f, 1, 1e-10f, 1}, kThree, 4,
     {380, 1e30f, kInf, kOld, kOld}},
    {"single-phase current of 1e38 capacity", {1e38f, 0.8f, 0.85f, 1}, kSingle, 5,
     {220, 8e37f, 4.9579544e37f, 9.411764e37f, kInf}},
    {"three-phase apparent power beyond range", {3e38f, 1, 0.7f, 1}, kThree, 5,
     {380, 3e38f, 3.0606124e38f, kInf, kOld}},
    {"single-phase apparent power beyond range", {3e38f, 1, 0.7f, 1}, kSingle, 5,
     {220, 3e38f, 3.0606124e38f, kInf, kInf}},
    {"three-phase current beyond range", {3e38f, 1, 1, 1}, kThree, 6, {380, 3e38f, 0, 3e38f, kInf}},
};

// Each fault must be found by the test that the formulas put right after the
// faulting step, no earlier and no later, in the optimized build as well.
TEST(ComputeLoad, FaultIsRaisedAtItsTestAndKeepsEarlierFields) {
    for (const FaultCase& c : kFaultCases) {
        SCOPED_TRACE(c.name);
        LoadRecord record = recordWith(c.in);
        try {
            computeLoad(record, c.supply);
            ADD_FAILURE() << "no fault raised";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.checkpoint(), c.checkpoint);
        }
        expectRecord(record, c.in, c.want);
    }
}

TEST(ComputeLoad, FaultIsAStandardException) {
    LoadRecord record = recordWith({kInf, 0.8f, 1, 1});
    EXPECT_THROW(computeLoad(record, kSingle), std::exception);
    EXPECT_NE(std::string(ArithmeticFault(3).what()), "");
}

// The status is cleared on entry: an overflow left pending by whatever ran
// before (narrowing 1e39 to float, say) is no fault of this calculation.
TEST(ComputeLoad, IgnoresStatusRaisedBeforeIt) {
    volatile double huge = 1e39;
    volatile float narrowed = static_cast<float>(huge);
    (void)narrowed;
    LoadRecord record = recordWith({100, 0.8f, 0.85f, 1});
    EXPECT_NO_THROW(computeLoad(record, kSingle));
    EXPECT_EQ(record.current, 427.80746f);
}

}  // namespace
}  // namespace vornik
