#include "adjust/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

#include "adjust/decimal_number.h"

namespace koravel {
namespace {

using detail::DecimalNumber;
using detail::ScanDecimal;
using detail::SignificantDigits;

// Decimals asked of the text forms and of the rounding are held within this
// range; the program asks for 0 to 5.
constexpr int kMaxDecimals = 20;

int ClampDecimals(int decimals) { return std::clamp(decimals, 0, kMaxDecimals); }

// The exact value of the largest finite 32-bit float, 2^128 - 2^104.
constexpr std::string_view kFloatMaxDigits = "340282346638528859811704183484516925440";

// Whether the decimal number lies beyond the largest finite 32-bit value in
// magnitude (std::from_chars still rounds such a number down to it when it is
// less than half a unit in the last place above).
bool BeyondFloatMax(const SignificantDigits& digits) {
  const auto floatMaxPoint = static_cast<std::int64_t>(kFloatMaxDigits.size());
  if (digits.pointPosition != floatMaxPoint) return digits.pointPosition > floatMaxPoint;
  const std::size_t n = std::max(digits.size(), kFloatMaxDigits.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int limit = i < kFloatMaxDigits.size() ? kFloatMaxDigits[i] - '0' : 0;
    if (digits[i] != limit) return digits[i] > limit;
  }
  return false;
}

// Reads a number at the width of T. A number too small for the width reads as
// the zero of its sign (the nearest value); one too large does not read.
template <typename T>
std::optional<T> ParseReal(std::string_view reply) {
  const std::optional<DecimalNumber> number = ScanDecimal(reply);
  if (!number) return std::nullopt;
  T value{};
  const char* end = number->text.data() + number->text.size();
  const auto [ptr, ec] = std::from_chars(number->text.data(), end, value);
  if (ptr != end) return std::nullopt;  // cannot happen after the scan
  if (ec == std::errc::result_out_of_range) {
    // Zero reads without this error, so the digits are not all zero: the
    // position of the point tells underflow from overflow.
    if (number->Significant().pointPosition > 0) return std::nullopt;
    return number->negative ? -T{0} : T{0};
  }
  if (ec != std::errc{}) return std::nullopt;
  if constexpr (std::is_same_v<T, float>) {
    if (std::fabs(value) == std::numeric_limits<float>::max() &&
        BeyondFloatMax(number->Significant())) {
      return std::nullopt;
    }
  }
  return value;
}

// Writes +-0.d1 d2 d3 ... x 10^pointPosition rounded to `decimals` decimals, a
// 5 in the first dropped place rounding the magnitude up. The caller keeps
// pointPosition within a few hundred (the 64-bit range).
std::string FixedFromDigits(bool negative, const SignificantDigits& digits, int decimals) {
  const std::int64_t kept = digits.pointPosition + decimals;
  const std::size_t keptDigits = kept > 0 ? static_cast<std::size_t>(kept) : 0;
  const auto width = static_cast<std::size_t>(decimals) + 1;  // at least one digit before the point
  // The scaled magnitude, an integer, right-aligned in a run of zeros with at
  // least one place in front of its digits for a carry.
  const std::size_t size = std::max(keptDigits + 1, width);
  std::string text;
  text.reserve(size + 2);  // room for the sign and the point: one allocation at most
  text.assign(size, '0');
  const std::size_t first = size - keptDigits;
  for (std::size_t i = 0; i < keptDigits; ++i) text[first + i] = static_cast<char>('0' + digits[i]);
  if (kept >= 0 && digits[keptDigits] >= 5) {
    std::size_t i = size;
    while (text[i - 1] == '9') text[--i] = '0';
    ++text[i - 1];  // the place in front stops the carry
  }
  const std::size_t nonZero = text.find_first_not_of('0');
  const bool allZero = nonZero == std::string::npos;
  text.erase(0, std::min(allZero ? size : nonZero, size - width));
  if (decimals > 0) text.insert(text.size() - static_cast<std::size_t>(decimals), 1, '.');
  if (negative && !allZero) text.insert(0, 1, '-');
  return text;
}

// 10^0 ... 10^22, every one exact as a 64-bit value.
constexpr std::array<double, 23> kPowersOfTen = [] {
  std::array<double, 23> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// The text of x with `decimals` decimals when x (a 64-bit value, or a 32-bit
// one widened exactly) is the 64-bit value nearest n / 10^decimals for an
// integer n of at most `precision` (up to 15) digits, as every value rounded
// to decimals is: that decimal then lies within 2^-53 of |x| of it, so it is
// also x rounded to `precision` significant digits (see RoundSignificant), and
// its text is n with the point put in. Nothing for any other x (a tiny
// nonzero x, below the normal range, gives n = 0 and is not taken).
std::optional<std::string> ShortFixedText(double x, int decimals, int precision) {
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  const double n = std::nearbyint(x * scale);
  if (!(std::fabs(n) < kPowersOfTen[static_cast<std::size_t>(precision)]) || n / scale != x) {
    return std::nullopt;
  }
  // The digits of |n| (at most 15) are written after room for the zeros put
  // in front of them (up to one digit before the point) and for the sign.
  std::array<char, 48> buffer;
  char* first = buffer.data() + kMaxDecimals + 2;
  char* last = std::to_chars(first, buffer.data() + buffer.size(), static_cast<std::int64_t>(std::fabs(n))).ptr;
  while (last - first <= decimals) *--first = '0';
  if (n < 0) *--first = '-';  // a zero has no sign
  if (decimals > 0) {  // the point goes in before the decimals
    char* const point = last - decimals;
    std::copy_backward(point, last, last + 1);
    *point = '.';
    ++last;
  }
  return std::string(first, last);
}

// The decimal form of a finite value rounded to `precision` significant digits
// (an exact tie to even, on the stored binary value).
// The digits point into the buffer: a Rounded is filled in place, never copied.
struct Rounded {
  Rounded() = default;
  Rounded(const Rounded&) = delete;
  Rounded& operator=(const Rounded&) = delete;

  std::array<char, 32> buffer{};
  bool negative = false;
  SignificantDigits digits;  // the first digit, then the others
  int exponent = 0;          // of the first digit
};

// Reads [-]d[.ddd...]e[+-]xx as written by std::to_chars in scientific form.
void ReadScientific(std::string_view text, Rounded& r) {
  std::size_t i = 0;
  r.negative = text[0] == '-';
  if (r.negative) ++i;
  const std::size_t e = text.find('e');
  r.digits.head = text.substr(i, 1);
  r.digits.tail = text[i + 1] == '.' ? text.substr(i + 2, e - (i + 2)) : std::string_view();
  std::size_t exponentStart = e + 1;
  if (text[exponentStart] == '+') ++exponentStart;
  std::from_chars(text.data() + exponentStart, text.data() + text.size(), r.exponent);
  r.digits.pointPosition = r.exponent + 1;
}

// The shortest form that reads back as a normal 64-bit value v lies within
// half a unit in its last binary place of v, less than 2^-53 of |v|. With at
// most 15 digits it is then also the 15-digit decimal nearest to v (those lie
// at least 10^-15 of |v| apart), and so, padded with zeros, the rounding of v
// to any number of digits from its own count up to 15. Finding it is much
// cheaper than rounding to a given number of digits. A 32-bit value is
// exactly a 64-bit one.
template <typename T>
void RoundSignificant(T x, int precision, Rounded& r) {
  char* const begin = r.buffer.data();
  char* const bufferEnd = begin + r.buffer.size();
  const auto wide = static_cast<double>(x);
  if (precision <= 15 && (wide == 0 || std::fabs(wide) >= std::numeric_limits<double>::min())) {
    const auto [end, ec] = std::to_chars(begin, bufferEnd, wide, std::chars_format::scientific);
    (void)ec;  // the buffer holds every finite value
    ReadScientific(std::string_view(begin, static_cast<std::size_t>(end - begin)), r);
    if (static_cast<int>(r.digits.size()) <= precision) return;
  }
  const auto [end, ec] = std::to_chars(begin, bufferEnd, x, std::chars_format::scientific, precision - 1);
  (void)ec;
  ReadScientific(std::string_view(begin, static_cast<std::size_t>(end - begin)), r);
}

template <typename T>
std::string FixedTextOf(T x, int decimals, int precision) {
  if (!std::isfinite(x)) return std::string();
  decimals = ClampDecimals(decimals);
  if (std::optional<std::string> text = ShortFixedText(static_cast<double>(x), decimals, precision)) {
    return std::move(*text);
  }
  Rounded r;
  RoundSignificant(x, precision, r);
  return FixedFromDigits(r.negative, r.digits, decimals);
}

// The rounding of x to `decimals` decimals by arithmetic, for the common case
// of a 64-bit value neither tiny nor large: x times 10^decimals is held
// exactly as product + error (the error of the product is exact with a fused
// multiply-add), rounded half to even to the integer n, and n / 10^decimals,
// one correctly rounded division of exact values, is the value nearest that
// decimal, just as reading its text would give. Nothing when x is outside
// that range.
std::optional<double> RoundHalfEvenByArithmetic(double x, int decimals) {
  constexpr double kTiny = 0x1p-900;  // the product and its error stay normal
  constexpr double kLarge = 0x1p51;   // n and the product's fraction stay exact
  if (x != 0 && std::fabs(x) < kTiny) return std::nullopt;
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  const double product = x * scale;
  if (!(std::fabs(product) < kLarge)) return std::nullopt;
  const double error = std::fma(x, scale, -product);  // x * scale == product + error exactly
  double n = std::nearbyint(product);                 // half to even
  const double fraction = product - n;                // exact: n is within a half of product
  // product lies exactly halfway: the error decides, when there is one.
  if (std::fabs(fraction) == 0.5 && error != 0 && (error > 0) == (fraction > 0)) {
    n += fraction > 0 ? 1 : -1;
  }
  return n / scale;
}

template <typename T>
T RoundHalfEvenOf(T x, int decimals) {
  if (!std::isfinite(x)) return x;
  if constexpr (std::is_same_v<T, double>) {
    if (const std::optional<double> rounded = RoundHalfEvenByArithmetic(x, ClampDecimals(decimals))) {
      return *rounded;
    }
  }
  // The largest double has 309 integer digits.
  std::array<char, 400> buffer;
  char* const begin = buffer.data();
  const auto written = std::to_chars(begin, begin + buffer.size(), x, std::chars_format::fixed,
                                     ClampDecimals(decimals));
  if (written.ec != std::errc{}) return x;
  T rounded = x;
  const auto read = std::from_chars(begin, written.ptr, rounded);
  if (read.ec != std::errc{}) return x;
  return rounded;
}

}  // namespace

std::optional<std::int16_t> ParseInt16(std::string_view reply) {
  const std::optional<DecimalNumber> number = ScanDecimal(reply);
  if (!number) return std::nullopt;
  const SignificantDigits digits = number->Significant();
  // |number| = 0.d1 d2 ... x 10^p: from p = 6 on it is at least 100000.
  std::int32_t magnitude = 0;
  if (!digits.empty() && digits.pointPosition >= 0) {
    if (digits.pointPosition > 5) return std::nullopt;
    const auto p = static_cast<std::size_t>(digits.pointPosition);
    for (std::size_t i = 0; i < p; ++i) magnitude = magnitude * 10 + digits[i];
    const int firstDropped = digits[p];
    bool beyondHalf = false;
    for (std::size_t i = p + 1; i < digits.size() && !beyondHalf; ++i) beyondHalf = digits[i] != 0;
    if (firstDropped > 5 || (firstDropped == 5 && (beyondHalf || magnitude % 2 == 1))) {
      ++magnitude;
    }
  }
  // A magnitude below a tenth rounds to zero.
  const std::int32_t value = number->negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

std::optional<float> ParseReal32(std::string_view reply) { return ParseReal<float>(reply); }

std::optional<double> ParseReal64(std::string_view reply) { return ParseReal<double>(reply); }

std::string Int16Text(std::int16_t n) {
  std::array<char, 8> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n);
  (void)ec;
  return std::string(buffer.data(), end);
}

std::string Real32Text(float x) {
  if (!std::isfinite(x)) return std::string();
  if (x == 0) return "0";
  Rounded r;
  RoundSignificant(x, 7, r);
  std::string_view fraction = r.digits.tail;
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);

  std::string text;
  text.reserve(16);
  if (r.negative) text.push_back('-');
  if (r.exponent >= 7 || r.exponent < -4) {
    text.append(r.digits.head);
    if (!fraction.empty()) {
      text.push_back('.');
      text.append(fraction);
    }
    text.push_back('E');
    text.push_back(r.exponent < 0 ? '-' : '+');
    const int magnitude = r.exponent < 0 ? -r.exponent : r.exponent;
    if (magnitude < 10) text.push_back('0');
    text.append(std::to_string(magnitude));
    return text;
  }
  // Plain notation: the 7 digits with the point moved by the exponent.
  std::string digits(r.digits.head);
  digits.append(fraction);
  if (r.exponent < 0) {
    text.append("0.");
    text.append(static_cast<std::size_t>(-r.exponent - 1), '0');
    text.append(digits);
    return text;
  }
  const auto integerDigits = static_cast<std::size_t>(r.exponent) + 1;
  if (digits.size() <= integerDigits) {
    text.append(digits);
    text.append(integerDigits - digits.size(), '0');
    return text;
  }
  text.append(digits, 0, integerDigits);
  text.push_back('.');
  text.append(digits, integerDigits);
  return text;
}

std::string FixedText(float x, int decimals) { return FixedTextOf(x, decimals, 7); }

std::string FixedText(double x, int decimals) { return FixedTextOf(x, decimals, 15); }

std::string FixedText(std::string_view reply, int decimals) {
  const std::optional<DecimalNumber> number = ScanDecimal(reply);
  // A number beyond the 64-bit range is kept as typed too: its digits could
  // run to any length.
  if (!number || !ParseReal64(reply)) return std::string(reply);
  return FixedFromDigits(number->negative, number->Significant(), ClampDecimals(decimals));
}

float RoundHalfEven(float x, int decimals) { return RoundHalfEvenOf(x, decimals); }

double RoundHalfEven(double x, int decimals) { return RoundHalfEvenOf(x, decimals); }

std::optional<std::string> MillimetreText(float metres) {
  const float millimetres = metres * 1000.0f;
  if (!std::isfinite(millimetres)) return std::nullopt;
  return FixedText(RoundHalfEven(millimetres, 2), 2);
}

}  // namespace koravel
