// Print items as terminal text: one column is one cell, wide characters take
// two, a column already passed breaks the line, and nothing is trimmed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/text_render.h"

namespace koravel {
namespace {

using Item = PrintItem;
using Lines = std::vector<std::string>;

struct RenderCase {
  const char* what;
  PrintLineItems items;
  Lines text;
};

TEST(TextRender, ItemsToLines) {
  const RenderCase cases[] = {
      {"no items: one empty line", {}, {""}},
      {"a column pads with blanks", {Item::Column(5), Item::Text("ab")}, {"    ab"}},
      {"column 1 at the start adds nothing", {Item::Column(1), Item::Text("a")}, {"a"}},
      {"a column reached exactly adds nothing", {Item::Text("ab"), Item::Column(3), Item::Text("x")}, {"abx"}},
      {"a column passed breaks the line",
       {Item::Text("abcdef"), Item::Column(3), Item::Text("x")}, {"abcdef", "  x"}},
      {"a column one past breaks too", {Item::Text("abc"), Item::Column(3)}, {"abc", "  "}},
      {"breaks twice", {Item::Text("abcd"), Item::Column(2), Item::Text("xyz"), Item::Column(1)},
       {"abcd", " xyz", ""}},
      {"wide characters take two cells", {Item::Text("点名"), Item::Column(5), Item::Text("X")}, {"点名X"}},
      {"wide characters pass a column", {Item::Text("点名"), Item::Column(4), Item::Text("X")}, {"点名", "   X"}},
      {"fullwidth forms are wide", {Item::Text("ＡＢ"), Item::Column(6), Item::Text("|")}, {"ＡＢ |"}},
      {"spaces, trailing blanks kept", {Item::Spaces(3), Item::Text("a"), Item::Spaces(2)}, {"   a  "}},
      {"texts follow each other", {Item::Text("a"), Item::Text(""), Item::Text(" b ")}, {"a b "}},
      {"number: blank, digits, blank", {Item::Text("1/"), Item::Number(5234)}, {"1/ 5234 "}},
      {"negative number: its sign takes the blank", {Item::Number(-12.5f)}, {"-12.5 "}},
      {"zero", {Item::Number(0)}, {" 0 "}},
      {"negative zero", {Item::Number(-0.0f)}, {" 0 "}},
      {"exponent form", {Item::Number(12345678)}, {" 1.234568E+07 "}},
      {"a number moves the position", {Item::Number(35636), Item::Column(9), Item::Text("|")}, {" 35636  |"}},
  };
  for (const RenderCase& c : cases) EXPECT_EQ(RenderText(c.items), c.text) << c.what;
}

TEST(TextRender, CellsOfCharacters) {
  const struct {
    char32_t cp;
    int cells;
  } cases[] = {
      {U'a', 1},      {U' ', 1},      {0x00E9, 1},  // é
      {0x1100, 2},    {0x115F, 2},    {0x1160, 1},  // Hangul leading jamo end
      {0x3000, 2},    {0x303E, 2},    {0x303F, 1},  // ideographic space, half-fill space
      {U'点', 2},     {0x9FFF, 2},    {0xFF01, 2},  {0xFF61, 1},  // halfwidth ideographic full stop
      {0x1F600, 2},   {0x20000, 2},   {0x10FFFF, 1}, {0, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(CellWidth(c.cp), c.cells) << std::hex << static_cast<unsigned>(c.cp);
}

TEST(TextRender, CellsOfTexts) {
  const struct {
    const char* what;
    std::string text;
    int cells;
  } cases[] = {
      {"empty", "", 0},
      {"ASCII", "A :", 3},
      {"mixed", "A 点外方位角 :", 14},
      {"emoji", "\xF0\x9F\x98\x80", 2},
      {"a stray continuation byte", "\x80", 1},
      {"a cut-off sequence: each byte one cell", "\xE7\x82", 2},
      {"an overlong form", "\xC0\xAF", 2},
      {"a surrogate", "\xED\xA0\x80", 3},
      {"a bad byte between good ones", "点\xFF点", 5},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayWidth(c.text), c.cells) << c.what;
  EXPECT_EQ(RenderText({Item::Text("\xFF"), Item::Column(3), Item::Text("x")}), Lines{"\xFF x"});
}

}  // namespace
}  // namespace koravel
