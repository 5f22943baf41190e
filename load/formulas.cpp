#include "load.h"

#include <cfenv>
#include <cmath>

// The status flags are read by fetestexcept, but the compiler treats
// floating-point arithmetic as free of side effects and moves it across that
// call at -O2, even with -frounding-math: an invalid 0 x inf meant for the
// third test was once found by the fourth, after a NaN had been stored. So
// every value that a test must come after is written to a volatile local
// before the test, and everything computed from it reads that local back after
// the test. Volatile accesses cannot move across the opaque call, and the
// arithmetic cannot move across the volatile accesses it depends on.

namespace vornik {

const char* ArithmeticFault::what() const noexcept {
    return "arithmetic fault in the load formulas";
}

namespace {

constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

void testStatus(int checkpoint) {
    if (std::fetestexcept(kFaultFlags) != 0) {
        throw ArithmeticFault(checkpoint);
    }
}

double wide(float value) { return static_cast<double>(value); }

}  // namespace

void computeLoad(LoadRecord& record, SupplyType supply) {
    std::feclearexcept(FE_ALL_EXCEPT);

    record.voltage = supply == SupplyType::SinglePhase ? 220.0f : 380.0f;
    const double voltage = wide(record.voltage);
    const double installedCapacity = wide(record.installedCapacity);
    const double demandFactor = wide(record.demandFactor);
    const double powerFactor = wide(record.powerFactor);
    const double simultaneityFactor = wide(record.simultaneityFactor);

    volatile float activePower =
        static_cast<float>(demandFactor * installedCapacity * simultaneityFactor);
    record.activePower = activePower;
    testStatus(1);
    const double p = wide(activePower);

    volatile double oneMinusSquare = 1.0 - std::pow(powerFactor, 2.0);
    testStatus(2);
    const double r = std::pow(oneMinusSquare, 0.5);

    volatile double q = r * p / powerFactor;
    testStatus(3);
    volatile float reactivePower = static_cast<float>(q);
    record.reactivePower = reactivePower;

    // An overflow in storing the reactive power is still pending here: pow
    // leaves the status as it was, so this test finds it.
    volatile double sumOfSquares = std::pow(p, 2.0) + std::pow(wide(reactivePower), 2.0);
    testStatus(4);
    volatile float apparentPower = static_cast<float>(std::pow(sumOfSquares, 0.5));
    record.apparentPower = apparentPower;

    if (supply == SupplyType::SinglePhase) {
        volatile float current = static_cast<float>(p * 1000.0 / powerFactor / voltage);
        record.current = current;
        testStatus(5);
    } else {
        // 1.732, not the square root of three: the three-phase current is
        // defined with this divisor.
        volatile double scaled = wide(apparentPower) * 1000.0;
        testStatus(5);
        volatile float current = static_cast<float>(scaled / 1.732 / voltage);
        record.current = current;
        testStatus(6);
    }
}

}  // namespace vornik
