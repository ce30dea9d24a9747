// The one scanner of a typed reply, shared by the number readers and by the
// fixed-decimal text of a reply kept as typed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace koravel::detail {

// The significant digits of a decimal number: the digits typed, without the
// point, from the first non-zero one on. Their value is 0.d1 d2 d3 ... times
// 10^pointPosition. They are not copied: they lie in one or two pieces of the
// reply (before and after its decimal point). Zero has no significant digit,
// and its pointPosition is 0.
struct SignificantDigits {
  std::string_view head;
  std::string_view tail;
  std::int64_t pointPosition = 0;

  std::size_t size() const { return head.size() + tail.size(); }
  bool empty() const { return size() == 0; }
  // The digit (0 ... 9) at index i; 0 past the last typed digit.
  int operator[](std::size_t i) const {
    if (i < head.size()) return head[i] - '0';
    i -= head.size();
    return i < tail.size() ? tail[i] - '0' : 0;
  }
};

// A reply that reads as a number: blanks (U+0020) around it, an optional sign,
// digits with an optional point (digits on at least one side), an optional
// exponent (E or e, optional sign, digits).
struct DecimalNumber {
  bool negative = false;
  // The number without the blanks and without a leading "+" (a leading "-"
  // stays): the form std::from_chars reads.
  std::string_view text;
  std::string_view integerDigits;   // before the point, possibly empty
  std::string_view fractionDigits;  // after the point, possibly empty
  // The exponent as typed, held within +-kExponentLimit: anything beyond moves
  // the point further than any reply has digits, so the value is the same.
  std::int64_t exponent = 0;

  static constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

  SignificantDigits Significant() const;
};

// The number the reply holds, or nothing when it does not read as a number.
std::optional<DecimalNumber> ScanDecimal(std::string_view reply);

}  // namespace koravel::detail
