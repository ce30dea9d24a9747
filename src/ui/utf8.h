// Decoding UTF-8 one code point at a time, for measuring texts in terminal
// cells and for making a typed line well-formed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace koravel {

// The code point that begins at text[at]. Returns false for a byte that does
// not begin a well-formed sequence (a stray continuation byte, a cut-off
// sequence, an overlong form, a surrogate, a value beyond U+10FFFF); `length`
// is then 1. On success `length` is the sequence's byte count.
inline bool DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char b0 = byte(at);
  length = 1;
  if (b0 < 0x80) {
    codePoint = b0;
    return true;
  }
  std::size_t need = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 1, cp = b0 & 0x1Fu, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 2, cp = b0 & 0x0Fu, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 3, cp = b0 & 0x07u, min = 0x10000;
  } else {
    return false;
  }
  if (at + need >= text.size()) return false;
  for (std::size_t i = 1; i <= need; ++i) {
    const unsigned char b = byte(at + i);
    if ((b & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (b & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  codePoint = cp;
  length = need + 1;
  return true;
}

// The text with every byte that is not part of well-formed UTF-8 replaced by
// U+FFFD, the replacement character.
inline std::string ValidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {  // most replies are well-formed: take them whole
    char32_t cp = 0;
    std::size_t length = 1;
    if (!DecodeUtf8(text, at, cp, length)) break;
    at += length;
  }
  if (at == text.size()) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  out.append(text.substr(0, at));
  while (at < text.size()) {
    char32_t cp = 0;
    std::size_t length = 1;
    if (DecodeUtf8(text, at, cp, length)) {
      out.append(text.substr(at, length));
    } else {
      out += "\xEF\xBF\xBD";
    }
    at += length;
  }
  return out;
}

}  // namespace koravel
