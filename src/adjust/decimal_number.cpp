#include "adjust/decimal_number.h"

namespace koravel::detail {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the run of digits at the start of s.
std::size_t DigitRun(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && IsDigit(s[n])) ++n;
  return n;
}

std::string_view DropLeadingZeros(std::string_view digits) {
  std::size_t n = 0;
  while (n < digits.size() && digits[n] == '0') ++n;
  return digits.substr(n);
}

}  // namespace

std::optional<DecimalNumber> ScanDecimal(std::string_view reply) {
  std::size_t first = 0;
  while (first < reply.size() && reply[first] == ' ') ++first;
  std::size_t last = reply.size();
  while (last > first && reply[last - 1] == ' ') --last;
  std::string_view s = reply.substr(first, last - first);

  DecimalNumber number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    number.negative = s[i] == '-';
    ++i;
  }
  number.text = !s.empty() && s[0] == '+' ? s.substr(1) : s;

  const std::size_t integerLength = DigitRun(s.substr(i));
  number.integerDigits = s.substr(i, integerLength);
  i += integerLength;
  if (i < s.size() && s[i] == '.') {
    ++i;
    const std::size_t fractionLength = DigitRun(s.substr(i));
    number.fractionDigits = s.substr(i, fractionLength);
    i += fractionLength;
  }
  if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;

  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      negativeExponent = s[i] == '-';
      ++i;
    }
    const std::size_t exponentLength = DigitRun(s.substr(i));
    if (exponentLength == 0) return std::nullopt;
    std::int64_t exponent = 0;
    for (char c : s.substr(i, exponentLength)) {
      exponent = exponent * 10 + (c - '0');
      if (exponent > DecimalNumber::kExponentLimit) {
        exponent = DecimalNumber::kExponentLimit;
        break;
      }
    }
    number.exponent = negativeExponent ? -exponent : exponent;
    i += exponentLength;
  }
  if (i != s.size()) return std::nullopt;
  return number;
}

SignificantDigits DecimalNumber::Significant() const {
  SignificantDigits digits;
  const std::string_view integer = DropLeadingZeros(integerDigits);
  if (!integer.empty()) {
    digits.head = integer;
    digits.tail = fractionDigits;
    digits.pointPosition = static_cast<std::int64_t>(integer.size()) + exponent;
  } else {
    digits.head = DropLeadingZeros(fractionDigits);
    const auto zeros = static_cast<std::int64_t>(fractionDigits.size() - digits.head.size());
    digits.pointPosition = digits.head.empty() ? 0 : exponent - zeros;
  }
  return digits;
}

}  // namespace koravel::detail
