// Reading typed replies as numbers, and the text forms in which numbers are
// shown in the window and printed in the report.
//
// Widths matter: a side length is read and shown as a 32-bit float, a
// coordinate or an angle as a 64-bit float, a count as a 16-bit integer, and
// the shown digits follow from the width.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace koravel {

// A reply reads as a number when, after dropping blanks (U+0020) on both
// sides, it is an optional sign, digits with an optional decimal point (digits
// on at least one side of it), and an optional exponent (E or e, an optional
// sign, digits). Anything else, the empty reply included, does not read, and
// neither does a number beyond the width: the result is then empty, never a
// substitute value. A non-zero number too small for the width reads as the
// zero of its sign, the nearest value.

// Rounded to the nearest integer, an exact half to the even neighbour, judged
// on the decimal number as typed; must lie in -32768 ... 32767.
std::optional<std::int16_t> ParseInt16(std::string_view reply);
// The 32-bit value nearest to the decimal number as typed (never through a
// 64-bit value: that would round twice).
std::optional<float> ParseReal32(std::string_view reply);
// The 64-bit value nearest to the decimal number as typed.
std::optional<double> ParseReal64(std::string_view reply);

// Decimal digits, "-" before a negative value, no blanks.
std::string Int16Text(std::int16_t n);

// The shortest plain text of a 32-bit value: 7 significant digits, trailing
// zeros dropped; exponent form (1.234568E+07) from 10000000 upwards and for
// magnitudes below 0.0001.
std::string Real32Text(float x);

// Exactly `decimals` decimals (2 to 5): the value at the precision of its width
// (7 significant digits for 32-bit, 15 for 64-bit), then rounded half away
// from zero; no grouping, no exponent. All-zero digits never carry a minus.
std::string FixedText(float x, int decimals);
std::string FixedText(double x, int decimals);
// The same for a reply held as typed, from the digits of the text itself. A
// text that does not read as a 64-bit number is returned unchanged.
std::string FixedText(std::string_view reply, int decimals);

// The multiple of 10^-decimals nearest to the stored value, an exact tie to
// the even last digit; the result keeps the width of x.
//
// The text forms write finite values only: infinity or NaN gives an empty
// text, and RoundHalfEven returns it unchanged. Decimals outside 0 ... 20 are
// taken as the nearer of the two.
float RoundHalfEven(float x, int decimals);
double RoundHalfEven(double x, int decimals);

// A misclosure in metres shown in millimetres with two decimals: metres x 1000
// formed in 32-bit, rounded half to even. Empty when the millimetres lie
// beyond the 32-bit range.
std::optional<std::string> MillimetreText(float metres);

}  // namespace koravel
