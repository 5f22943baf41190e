// Conversions between the texts of the window's boxes and the numbers of the
// load record. Both ignore the user's locale: the point is always '.'.
#pragma once

#include <string>
#include <string_view>

namespace vornik {

// Reads a decimal number from the start of a UTF-8 text: leading blanks
// (space, tab, U+3000), an optional sign, digits with at most one point, an
// optional exponent. Full-width digits, point, signs and e/E read as their
// ASCII twins. Reading stops at the first character that cannot continue the
// number. Text that does not start with a number gives 0; a number beyond the
// double range gives an infinity of its sign, one too small a zero.
double parseNumberText(std::string_view text);

// Writes a value by the pattern "0.000": the shortest decimal that reads back
// as the same float, rounded half away from zero to three decimals, the
// integer part in full, no grouping, no exponent, and no minus sign on a value
// that shows as zero. Infinities are "∞" and "-∞"; a NaN is "NaN".
std::string formatResult(float value);

}  // namespace vornik
