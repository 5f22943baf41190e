// libFuzzer target over the number texts and the Calculate command. It checks
// properties, not only crashes:
// - parseNumberText equals strtod of the prefix that the reading rules accept,
//   found here by a separate scan over a text first turned into ASCII;
// - formatResult gives -?digits.ddd (never -0.000) within half a thousandth of
//   the value, or ∞ / -∞;
// - runCalculation shows exactly the message of the first factor out of range
//   and writes nothing, or writes all four outputs, or raises the fault and
//   writes nothing.
#include "fake_view.h"
#include "load.h"
#include "numbertext.h"
#include "result_shape.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace vornik;

[[noreturn]] void fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "property broken: %s [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// Full-width ASCII forms and the ideographic space become their ASCII twins;
// every other byte outside ASCII becomes 0x01, which no number contains.
std::string toAscii(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (b(0) < 0x80) {
            out.push_back(text[i++]);
        } else if (i + 2 < text.size() && b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) {
            out.push_back(' ');
            i += 3;
        } else if (i + 2 < text.size() && b(0) == 0xEF && ((b(1) == 0xBC && b(2) >= 0x81 && b(2) <= 0xBF) ||
                                                             (b(1) == 0xBD && b(2) >= 0x80 && b(2) <= 0x9E))) {
            const unsigned codePoint = 0xFF00u + (b(1) == 0xBD ? 0x40u : 0u) + (b(2) - 0x80u);
            out.push_back(static_cast<char>(codePoint - 0xFEE0u));
            i += 3;
        } else {
            out.push_back('\x01');
            ++i;
        }
    }
    return out;
}

std::size_t digitsAt(const std::string& s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && s[i + n] >= '0' && s[i + n] <= '9') {
        ++n;
    }
    return n;
}

double referenceParse(std::string_view text) {
    const std::string s = toAscii(text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::size_t integerDigits = digitsAt(s, i);
    i += integerDigits;
    std::size_t fractionDigits = 0;
    if (i < s.size() && s[i] == '.') {
        fractionDigits = digitsAt(s, i + 1);
        i += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (const std::size_t exponentDigits = digitsAt(s, j); exponentDigits > 0) {
            i = j + exponentDigits;
        }
    }
    const std::string prefix = s.substr(start, i - start);
    return std::strtod(prefix.c_str(), nullptr);
}

void checkParse(std::string_view text) {
    const double got = parseNumberText(text);
    const double want = referenceParse(text);
    if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(want)) {
        fail("parseNumberText differs from strtod of the accepted prefix", text);
    }
}

bool isResultText(std::string_view text) { return text == "∞" || text == "-∞" || hasResultShape(text); }

void checkFormat(float value) {
    const std::string text = formatResult(value);
    if (std::isnan(value)) {
        if (text != "NaN") {
            fail("NaN text", text);
        }
        return;
    }
    if (std::isinf(value)) {
        if (text != (value > 0.0f ? "∞" : "-∞")) {
            fail("infinity text", text);
        }
        return;
    }
    if (!hasResultShape(text)) {
        fail("formatResult shape", text);
    }
    const double exact = static_cast<double>(value);
    if (std::fabs(std::strtod(text.c_str(), nullptr) - exact) > 0.0005 + std::fabs(exact) * 1e-7) {
        fail("formatResult strays from the value", text);
    }
}

bool inRange(float factor) { return factor > 0.0f && factor <= 1.0f; }

// The first byte picks the supply; the rest is up to four input texts
// separated by newlines.
void checkCalculation(std::string_view input) {
    FakeView view;
    const std::array<std::string, 4> untouched{"-", "-", "-", "-"};
    view.outputs = untouched;
    if (!input.empty()) {
        if ((static_cast<unsigned char>(input[0]) & 1u) != 0) {
            view.selectThreePhase();
        }
        input.remove_prefix(1);
    }
    for (std::string& text : view.inputs) {
        const std::size_t end = input.find('\n');
        text = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }

    bool fault = false;
    try {
        runCalculation(view);
    } catch (const ArithmeticFault&) {
        fault = true;
    }
    const LoadRecord& r = view.loadRecord;
    const std::string_view expectedMessage = !inRange(r.powerFactor)          ? kPowerFactorMessage
                                             : !inRange(r.demandFactor)       ? kDemandFactorMessage
                                             : !inRange(r.simultaneityFactor) ? kSimultaneityFactorMessage
                                                                              : std::string_view();
    if (fault) {
        if (!view.messages.empty() || view.outputs != untouched || !expectedMessage.empty()) {
            fail("a fault must come from valid factors and leave every output", view.inputs[0]);
        }
    } else if (!expectedMessage.empty()) {
        if (view.messages.size() != 1 || view.messages[0] != expectedMessage || view.outputs != untouched) {
            fail("exactly the first failing factor's message, and no output", view.inputs[0]);
        }
    } else {
        if (!view.messages.empty()) {
            fail("a message although all factors are in range", view.inputs[0]);
        }
        for (const std::string& output : view.outputs) {
            if (!isResultText(output)) {
                fail("an output not written, or not a result", output);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkParse(input);
    if (size >= sizeof(float)) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        checkFormat(std::bit_cast<float>(bits));
    }
    checkCalculation(input);
    return 0;
}
