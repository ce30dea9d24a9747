// Feeds arbitrary replies to the three number readers and the values they give
// to the text forms. Checks, beyond the absence of crashes and sanitizer
// reports:
// - a reply reads exactly when a separate recogniser of the reply grammar
//   accepts it and the number fits the width;
// - the values read agree with the C library's strtod / strtof / strtold;
// - every text form has its shape (no inf, nan, stray characters, minus
//   before zeros) and lies within its rounding of the value.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "adjust/numbers.h"

namespace {

using koravel::FixedText;
using koravel::Int16Text;
using koravel::ParseInt16;
using koravel::ParseReal32;
using koravel::ParseReal64;
using koravel::Real32Text;
using koravel::RoundHalfEven;

[[noreturn]] void Fail(const char* what, std::string_view reply, std::string_view detail = {}) {
  std::fprintf(stderr, "reply_fuzz: %s\n  reply: \"%.*s\"\n  detail: \"%.*s\"\n", what,
               static_cast<int>(reply.size()), reply.data(), static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

void Check(bool ok, const char* what, std::string_view reply, std::string_view detail = {}) {
  if (!ok) Fail(what, reply, detail);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The reply grammar as a state machine over the whole reply, blanks included.
bool Recognise(std::string_view s) {
  enum State { kLead, kSign, kInt, kIntPoint, kBarePoint, kFrac, kE, kExpSign, kExp, kTrail };
  State state = kLead;
  for (char c : s) {
    const bool digit = IsDigit(c);
    const bool sign = c == '+' || c == '-';
    const bool e = c == 'e' || c == 'E';
    switch (state) {
      case kLead:
        if (c == ' ') state = kLead;
        else if (sign) state = kSign;
        else if (digit) state = kInt;
        else if (c == '.') state = kBarePoint;
        else return false;
        break;
      case kSign:
        if (digit) state = kInt;
        else if (c == '.') state = kBarePoint;
        else return false;
        break;
      case kInt:
        if (digit) state = kInt;
        else if (c == '.') state = kIntPoint;
        else if (e) state = kE;
        else if (c == ' ') state = kTrail;
        else return false;
        break;
      case kIntPoint:
      case kFrac:
        if (digit) state = kFrac;
        else if (e) state = kE;
        else if (c == ' ') state = kTrail;
        else return false;
        break;
      case kBarePoint:
        if (digit) state = kFrac;
        else return false;
        break;
      case kE:
        if (sign) state = kExpSign;
        else if (digit) state = kExp;
        else return false;
        break;
      case kExpSign:
      case kExp:
        if (digit) state = kExp;
        else if (c == ' ' && state == kExp) state = kTrail;
        else return false;
        break;
      case kTrail:
        if (c != ' ') return false;
        break;
    }
  }
  return state == kInt || state == kIntPoint || state == kFrac || state == kExp || state == kTrail;
}

// "-"? digits "." exactly `decimals` digits; no leading zero; no "-" when all
// digits are zero.
void CheckFixedShape(const std::string& text, int decimals, std::string_view reply) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  const std::size_t integerStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  const std::size_t integerLength = i - integerStart;
  Check(integerLength >= 1, "fixed text without integer digits", reply, text);
  Check(integerLength == 1 || text[integerStart] != '0', "fixed text with a leading zero", reply,
        text);
  if (decimals > 0) {
    Check(i < text.size() && text[i] == '.', "fixed text without its point", reply, text);
    ++i;
    std::size_t fraction = 0;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      ++fraction;
    }
    Check(fraction == static_cast<std::size_t>(decimals), "fixed text with wrong decimals", reply,
          text);
  }
  Check(i == text.size(), "fixed text with stray characters", reply, text);
  if (negative) {
    Check(text.find_first_of("123456789") != std::string::npos, "minus before zeros", reply, text);
  }
}

// Plain "-"?digits("."digits)? or "-"?d("."digits)?"E"[+-]dd+, at most 7
// significant digits, no trailing zero after a point.
void CheckReal32Shape(const std::string& text, std::string_view reply) {
  Check(!text.empty(), "empty 32-bit text", reply);
  std::size_t i = text[0] == '-' ? 1 : 0;
  std::size_t significant = 0;
  bool started = false;
  const std::size_t integerStart = i;
  while (i < text.size() && IsDigit(text[i])) {
    started = started || text[i] != '0';
    if (started) ++significant;
    ++i;
  }
  Check(i > integerStart, "32-bit text without integer digits", reply, text);
  Check(i - integerStart == 1 || text[integerStart] != '0', "32-bit text with a leading zero",
        reply, text);
  if (i < text.size() && text[i] == '.') {
    ++i;
    const std::size_t fractionStart = i;
    while (i < text.size() && IsDigit(text[i])) {
      started = started || text[i] != '0';
      if (started) ++significant;
      ++i;
    }
    Check(i > fractionStart && text[i - 1] != '0', "32-bit text with a bare point or trailing 0",
          reply, text);
  }
  Check(significant <= 7, "32-bit text with more than 7 digits", reply, text);
  if (i < text.size() && text[i] == 'E') {
    Check(i - integerStart == 1 || text[integerStart + 1] == '.', "exponent form of several digits",
          reply, text);
    ++i;
    Check(i < text.size() && (text[i] == '+' || text[i] == '-'), "exponent without sign", reply,
          text);
    ++i;
    const std::size_t exponentStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    Check(i - exponentStart >= 2, "exponent of fewer than two digits", reply, text);
  }
  Check(i == text.size(), "32-bit text with stray characters", reply, text);
}

long double Pow10(int exponent) { return std::pow(10.0L, static_cast<long double>(exponent)); }

void CheckDouble(double x, std::string_view reply) {
  for (int decimals = 2; decimals <= 5; ++decimals) {
    const std::string text = FixedText(x, decimals);
    CheckFixedShape(text, decimals, reply);
    const long double shown = std::strtold(text.c_str(), nullptr);
    const long double tolerance =
        Pow10(-decimals) * (0.5L + 1e-12L) + std::fabs(static_cast<long double>(x)) * 1e-14L;
    Check(std::fabs(shown - x) <= tolerance, "64-bit fixed text too far off", reply, text);
  }
  for (int decimals = 0; decimals <= 5; ++decimals) {
    const double rounded = RoundHalfEven(x, decimals);
    const long double tolerance =
        Pow10(-decimals) * (0.5L + 1e-12L) + std::fabs(static_cast<long double>(x)) * 1e-15L;
    Check(std::isfinite(rounded) && std::fabs(static_cast<long double>(rounded) - x) <= tolerance,
          "64-bit RoundHalfEven too far off", reply);
  }
}

void CheckFloat(float x, std::string_view reply) {
  const long double magnitude = std::fabs(static_cast<long double>(x));
  for (int decimals = 2; decimals <= 5; ++decimals) {
    const std::string text = FixedText(x, decimals);
    CheckFixedShape(text, decimals, reply);
    const long double shown = std::strtold(text.c_str(), nullptr);
    const long double tolerance = Pow10(-decimals) * (0.5L + 1e-12L) + magnitude * 5e-7L;
    Check(std::fabs(shown - x) <= tolerance, "32-bit fixed text too far off", reply, text);
  }
  const std::string text = Real32Text(x);
  if (x == 0) {
    Check(text == "0", "32-bit zero not written 0", reply, text);
  } else {
    CheckReal32Shape(text, reply);
    const long double shown = std::strtold(text.c_str(), nullptr);
    Check(std::fabs(shown - x) <= magnitude * 5e-7L, "32-bit text too far off", reply, text);
  }
  for (int decimals = 0; decimals <= 5; ++decimals) {
    const float rounded = RoundHalfEven(x, decimals);
    const long double tolerance = Pow10(-decimals) * (0.5L + 1e-12L) + magnitude * 1e-7L;
    Check(std::isfinite(rounded) && std::fabs(static_cast<long double>(rounded) - x) <= tolerance,
          "32-bit RoundHalfEven too far off", reply);
  }
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  const std::string_view view(reply);
  const std::optional<double> r64 = ParseReal64(view);
  const std::optional<float> r32 = ParseReal32(view);
  const std::optional<std::int16_t> i16 = ParseInt16(view);
  const std::string fixedReply = FixedText(view, 5);

  if (!Recognise(view)) {
    Check(!r64 && !r32 && !i16, "a reader accepted text outside the grammar", view);
    Check(fixedReply == reply, "text that is no number not kept as typed", view, fixedReply);
    return 0;
  }

  // Within the grammar the C library reads the whole number (a reply holds no
  // NUL there), up to the trailing blanks.
  char* end = nullptr;
  errno = 0;
  const double d = std::strtod(reply.c_str(), &end);
  const bool doubleOverflow = errno == ERANGE && std::isinf(d);
  Check(std::strspn(end, " ") == std::strlen(end), "strtod stopped inside the number", view);
  errno = 0;
  const float f = std::strtof(reply.c_str(), nullptr);
  const bool floatOverflow = errno == ERANGE && std::isinf(f);
  errno = 0;
  const long double exact = std::strtold(reply.c_str(), nullptr);
  const long double floatMax = std::numeric_limits<float>::max();

  // 64-bit: fails only beyond the range, else the very value of strtod.
  if (doubleOverflow) {
    Check(!r64, "64-bit reader accepted a number beyond its range", view);
    Check(fixedReply == reply, "number beyond the range not kept as typed", view, fixedReply);
  } else {
    Check(r64.has_value(), "64-bit reader refused a number of the grammar", view);
    Check(SameBits(*r64, d), "64-bit reader differs from strtod", view);
    CheckDouble(*r64, view);
    CheckFixedShape(fixedReply, 5, view);
    const long double shown = std::strtold(fixedReply.c_str(), nullptr);
    Check(std::fabs(shown - exact) <= 5e-6L * (1 + 1e-12L) + std::fabs(exact) * 1e-17L,
          "fixed text of the reply too far off", view, fixedReply);
  }

  // 32-bit: fails beyond the largest finite value, else the value of strtof.
  if (floatOverflow || std::fabs(exact) > floatMax) {
    Check(!r32, "32-bit reader accepted a number beyond its range", view);
  } else if (std::fabs(exact) < floatMax) {
    Check(r32.has_value(), "32-bit reader refused a number of the grammar", view);
    Check(SameBits(*r32, f), "32-bit reader differs from strtof", view);
  }
  if (r32) CheckFloat(*r32, view);

  // 16-bit: the nearest integer; only values near the bounds may go either way.
  if (exact > 32767.5L || exact < -32768.5L) {
    Check(!i16, "16-bit reader accepted a number beyond its range", view);
  } else if (exact < 32767.5L && exact > -32768.5L) {
    Check(i16.has_value(), "16-bit reader refused a number of the grammar", view);
  }
  if (i16) {
    Check(std::fabs(exact - *i16) <= 0.5L, "16-bit reader not the nearest integer", view);
    const std::string text = Int16Text(*i16);
    Check(ParseInt16(text) == i16, "16-bit text does not read back", view, text);
  }
  return 0;
}
