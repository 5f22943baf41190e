#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace vornik {

namespace {

// One character of the input as the number reader sees it: its ASCII twin
// (0 for anything else) and its length in bytes.
struct Unit {
    char ascii = 0;
    std::size_t size = 0;
};

// Chinese input methods type the full-width forms U+FF01..U+FF5E, which are
// ASCII 0x21..0x7E shifted by 0xFEE0, and the ideographic space U+3000.
// Everything else, invalid UTF-8 included, is a character that ends a number.
Unit unitAt(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const std::size_t left = text.size() - pos;
    if (left == 0) {
        return {};
    }
    if (byte(0) < 0x80) {
        return {static_cast<char>(byte(0)), 1};
    }
    if (left >= 3 && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
        return {' ', 3};
    }
    if (left >= 3 && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) && byte(2) >= 0x80 &&
        byte(2) <= 0xBF) {
        const unsigned codePoint = 0xF000u | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
        if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
            return {static_cast<char>(codePoint - 0xFEE0), 3};
        }
    }
    return {0, 1};
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The accepted number, already in ASCII: what std::from_chars reads.
class NumberText {
public:
    void push(char c) {
        if (size_ < small_.size()) {
            small_[size_] = c;
        } else {
            if (size_ == small_.size()) {
                large_.assign(small_.data(), size_);
            }
            large_.push_back(c);
        }
        ++size_;
    }
    void truncate(std::size_t size) {
        size_ = size;
        if (size_ > small_.size()) {
            large_.resize(size_);
        } else if (!large_.empty()) {
            std::copy_n(large_.data(), size_, small_.data());
            large_.clear();
        }
    }
    std::size_t size() const { return size_; }
    const char* data() const { return size_ > small_.size() ? large_.data() : small_.data(); }

private:
    std::array<char, 64> small_{};
    std::string large_;
    std::size_t size_ = 0;
};

// Adds a digit to a decimal exponent without overflowing: any magnitude past
// a billion is out of the double range whatever the digits before it.
void addDigit(std::int64_t& value, char digit) {
    constexpr std::int64_t kCeiling = 1'000'000'000;
    value = std::min(kCeiling, value * 10 + (digit - '0'));
}

}  // namespace

double parseNumberText(std::string_view text) {
    std::size_t pos = 0;
    Unit unit = unitAt(text, pos);
    while (unit.ascii == ' ' || unit.ascii == '\t') {
        pos += unit.size;
        unit = unitAt(text, pos);
    }

    NumberText number;
    bool negative = false;
    if (unit.ascii == '+' || unit.ascii == '-') {
        negative = unit.ascii == '-';
        pos += unit.size;
        unit = unitAt(text, pos);
    }
    if (negative) {
        number.push('-');
    }

    // Where the first significant digit stands decides, when the value is
    // out of range, whether it is too large or too small.
    std::int64_t leadingExponent = 0;
    bool significant = false;
    bool anyDigit = false;
    bool afterPoint = false;
    for (;; pos += unit.size, unit = unitAt(text, pos)) {
        if (isDigit(unit.ascii)) {
            anyDigit = true;
            if (unit.ascii != '0' && !significant) {
                significant = true;
                if (afterPoint) {
                    --leadingExponent;
                }
            } else if (significant && !afterPoint) {
                ++leadingExponent;
            } else if (!significant && afterPoint) {
                --leadingExponent;
            }
        } else if (unit.ascii == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        number.push(unit.ascii);
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (!significant) {
        return negative ? -0.0 : 0.0;
    }
    if (unit.ascii == 'e' || unit.ascii == 'E') {
        const std::size_t mantissaSize = number.size();
        number.push('e');
        std::size_t at = pos + unit.size;
        Unit next = unitAt(text, at);
        bool negativeExponent = false;
        if (next.ascii == '+' || next.ascii == '-') {
            negativeExponent = next.ascii == '-';
            number.push(next.ascii);
            at += next.size;
            next = unitAt(text, at);
        }
        std::int64_t exponent = 0;
        bool exponentDigit = false;
        for (; isDigit(next.ascii); at += next.size, next = unitAt(text, at)) {
            exponentDigit = true;
            addDigit(exponent, next.ascii);
            number.push(next.ascii);
        }
        if (exponentDigit) {
            leadingExponent += negativeExponent ? -exponent : exponent;
        } else {
            number.truncate(mantissaSize);  // "1e" and "1e+" read as 1
        }
    }

    double value = 0.0;
    const char* first = number.data();
    const auto [end, error] = std::from_chars(first, first + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const double magnitude = leadingExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return value;
}

std::string formatResult(float value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0.0f ? "-∞" : "∞";
    }

    // The shortest round-trip digits d.ddd and their decimal exponent.
    std::array<char, 32> shortest{};
    const auto written = std::to_chars(shortest.data(), shortest.data() + shortest.size(),
                                       std::fabs(value), std::chars_format::scientific);
    const char* const end = written.ptr;
    const char* const e = std::find(static_cast<const char*>(shortest.data()), end, 'e');
    int exponent = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, end, exponent);
    std::array<char, 16> digits{};
    std::size_t digitCount = 0;
    for (const char* c = shortest.data(); c != e; ++c) {
        if (*c != '.') {
            digits[digitCount++] = *c;
        }
    }

    // The value in thousandths, |value| * 1000 rounded half away from zero,
    // as decimal digits: the digits down to the third decimal, then one more
    // decides the rounding. A float has at most 42 of them (3.4e38 * 1000).
    std::array<char, 48> thousandths{};
    std::size_t size = 0;
    const int kept = exponent + 4;
    for (int i = 0; i < kept; ++i) {
        thousandths[size++] = static_cast<std::size_t>(i) < digitCount ? digits[static_cast<std::size_t>(i)] : '0';
    }
    if (kept >= 0 && static_cast<std::size_t>(kept) < digitCount && digits[static_cast<std::size_t>(kept)] >= '5') {
        std::size_t i = size;
        while (i > 0 && thousandths[i - 1] == '9') {
            thousandths[--i] = '0';
        }
        if (i > 0) {
            ++thousandths[i - 1];
        } else {
            std::copy_backward(thousandths.data(), thousandths.data() + size, thousandths.data() + size + 1);
            thousandths[0] = '1';
            ++size;
        }
    }
    // At least "0" and three decimals: pad to four digits.
    const std::size_t pad = size < 4 ? 4 - size : 0;
    std::copy_backward(thousandths.data(), thousandths.data() + size, thousandths.data() + size + pad);
    std::fill_n(thousandths.data(), pad, '0');
    size += pad;

    const bool showsZero = std::all_of(thousandths.data(), thousandths.data() + size, [](char c) { return c == '0'; });
    std::string text;
    text.reserve(size + 2);
    if (value < 0.0f && !showsZero) {
        text.push_back('-');
    }
    text.append(thousandths.data(), size - 3);
    text.push_back('.');
    text.append(thousandths.data() + size - 3, 3);
    return text;
}

}  // namespace vornik
