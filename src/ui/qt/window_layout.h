// The layout of the main window as data: every label, text field, button and
// line with its position and size in twips (1/1440 inch) from the top-left
// corner of the client area, its caption, its font and its place in the
// keyboard focus order. The window builds its widgets from these tables.
#pragma once

#include <array>
#include <string_view>

#include "ui/texts/window.h"

namespace koravel::layout {

enum class ControlKind { kLabel, kTextField, kButton };

// The four fonts of the window, all bold (weight 700), upright, plain.
enum class FontKey { kA, kB, kC, kD };

struct FontSpec {
  std::string_view face;
  double points;
};

constexpr FontSpec Font(FontKey key) {
  switch (key) {
    case FontKey::kA: return {"宋体", 9};
    case FontKey::kB: return {"MS Sans Serif", 8.25};
    case FontKey::kC: return {"宋体", 12};
    case FontKey::kD: return {"宋体", 15.75};
  }
  return {"宋体", 9};
}

struct Control {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;  // twips
  std::string_view caption;      // empty for the text fields
  FontKey font;
  int tabIndex;                  // labels take no focus: theirs is kept for the record only
};

inline constexpr std::array<Control, 67> kControls{{
    {"Label1", ControlKind::kLabel, 6120, 2760, 3015, 375, texts::kCaptionLabel1, FontKey::kD, 42},
    {"Label3", ControlKind::kLabel, 6840, 3240, 1455, 255, texts::kCaptionLabel3, FontKey::kA, 10},
    {"Text1", ControlKind::kTextField, 5880, 3480, 3375, 315, {}, FontKey::kB, 0},
    {"Label2", ControlKind::kLabel, 2280, 2520, 1455, 255, texts::kCaptionLabel2, FontKey::kC, 9},
    {"Label4", ControlKind::kLabel, 2400, 2880, 1215, 255, texts::kCaptionLabel4, FontKey::kA, 11},
    {"Label27", ControlKind::kLabel, 2040, 3120, 255, 255, texts::kCaptionLabel27, FontKey::kB, 45},
    {"Text2", ControlKind::kTextField, 2280, 3120, 1335, 270, {}, FontKey::kB, 1},
    {"Label5", ControlKind::kLabel, 2400, 3480, 1215, 255, texts::kCaptionLabel5, FontKey::kA, 12},
    {"Label28", ControlKind::kLabel, 2040, 3720, 255, 255, texts::kCaptionLabel28, FontKey::kB, 46},
    {"Text3", ControlKind::kTextField, 2280, 3720, 1335, 270, {}, FontKey::kB, 2},
    {"Label6", ControlKind::kLabel, 2400, 4080, 1215, 255, texts::kCaptionLabel6, FontKey::kA, 13},
    {"Label29", ControlKind::kLabel, 2040, 4320, 255, 255, texts::kCaptionLabel29, FontKey::kB, 47},
    {"Text4", ControlKind::kTextField, 2280, 4320, 1335, 270, {}, FontKey::kB, 3},
    {"Label7", ControlKind::kLabel, 2400, 4680, 1215, 255, texts::kCaptionLabel7, FontKey::kA, 14},
    {"Label30", ControlKind::kLabel, 2040, 4920, 255, 255, texts::kCaptionLabel30, FontKey::kB, 48},
    {"Text5", ControlKind::kTextField, 2280, 4920, 1335, 270, {}, FontKey::kB, 4},
    {"Label8", ControlKind::kLabel, 2400, 5280, 1215, 375, texts::kCaptionLabel8, FontKey::kA, 15},
    {"Label31", ControlKind::kLabel, 2040, 5760, 255, 255, texts::kCaptionLabel31, FontKey::kB, 49},
    {"Text6", ControlKind::kTextField, 2280, 5760, 1335, 270, {}, FontKey::kB, 5},
    {"Label9", ControlKind::kLabel, 2400, 6120, 1215, 375, texts::kCaptionLabel9, FontKey::kA, 16},
    {"Label32", ControlKind::kLabel, 2040, 6600, 255, 255, texts::kCaptionLabel32, FontKey::kB, 50},
    {"Text7", ControlKind::kTextField, 2280, 6600, 1335, 270, {}, FontKey::kB, 6},
    {"Label22", ControlKind::kLabel, 6600, 4200, 2055, 255, texts::kCaptionLabel22, FontKey::kC, 32},
    {"Label17", ControlKind::kLabel, 4560, 5160, 1215, 255, texts::kCaptionLabel17, FontKey::kA, 27},
    {"Label33", ControlKind::kLabel, 4320, 5400, 255, 255, texts::kCaptionLabel33, FontKey::kB, 51},
    {"Text13", ControlKind::kTextField, 4560, 5400, 1095, 270, {}, FontKey::kB, 19},
    {"Label23", ControlKind::kLabel, 5760, 4680, 1815, 375, texts::kCaptionLabel23, FontKey::kA, 37},
    {"Label34", ControlKind::kLabel, 5880, 5040, 255, 255, texts::kCaptionLabel34, FontKey::kB, 52},
    {"Text18", ControlKind::kTextField, 6120, 5040, 1215, 270, {}, FontKey::kB, 35},
    {"Label24", ControlKind::kLabel, 5760, 5400, 1815, 375, texts::kCaptionLabel24, FontKey::kA, 38},
    {"Label35", ControlKind::kLabel, 5880, 5760, 255, 255, texts::kCaptionLabel35, FontKey::kB, 53},
    {"Text19", ControlKind::kTextField, 6120, 5760, 1215, 270, {}, FontKey::kB, 36},
    {"Label18", ControlKind::kLabel, 7560, 4680, 1575, 375, texts::kCaptionLabel18, FontKey::kA, 28},
    {"Label36", ControlKind::kLabel, 7440, 5040, 255, 255, texts::kCaptionLabel36, FontKey::kB, 54},
    {"Text14", ControlKind::kTextField, 7680, 5040, 1215, 270, {}, FontKey::kB, 20},
    {"Label19", ControlKind::kLabel, 7560, 5400, 1575, 375, texts::kCaptionLabel19, FontKey::kA, 29},
    {"Label37", ControlKind::kLabel, 7440, 5760, 255, 255, texts::kCaptionLabel37, FontKey::kB, 55},
    {"Text15", ControlKind::kTextField, 7680, 5760, 1215, 270, {}, FontKey::kB, 21},
    {"Label20", ControlKind::kLabel, 9480, 4800, 855, 255, texts::kCaptionLabel20, FontKey::kA, 30},
    {"Label38", ControlKind::kLabel, 8880, 5040, 495, 255, texts::kCaptionLabel38, FontKey::kB, 56},
    {"Text16", ControlKind::kTextField, 9360, 5040, 1335, 270, {}, FontKey::kB, 22},
    {"Label21", ControlKind::kLabel, 9240, 5520, 1455, 255, texts::kCaptionLabel21, FontKey::kA, 31},
    {"Label39", ControlKind::kLabel, 9000, 5760, 375, 255, texts::kCaptionLabel39, FontKey::kB, 57},
    {"Text17", ControlKind::kTextField, 9360, 5760, 1335, 270, {}, FontKey::kB, 23},
    {"Label13", ControlKind::kLabel, 6600, 6480, 1815, 255, texts::kCaptionLabel13, FontKey::kC, 18},
    {"Label42", ControlKind::kLabel, 4800, 6840, 855, 255, texts::kCaptionLabel42, FontKey::kA, 65},
    {"Text22", ControlKind::kTextField, 4200, 7080, 2055, 285, {}, FontKey::kB, 64},
    {"Label14", ControlKind::kLabel, 6480, 6840, 735, 255, texts::kCaptionLabel14, FontKey::kA, 24},
    {"Text10", ControlKind::kTextField, 6240, 7080, 1215, 270, {}, FontKey::kB, 39},
    {"Label15", ControlKind::kLabel, 8040, 6840, 855, 255, texts::kCaptionLabel15, FontKey::kA, 25},
    {"Label40", ControlKind::kLabel, 7560, 7080, 255, 255, texts::kCaptionLabel40, FontKey::kB, 58},
    {"Text11", ControlKind::kTextField, 7800, 7080, 1335, 270, {}, FontKey::kB, 40},
    {"Label16", ControlKind::kLabel, 9600, 6840, 975, 255, texts::kCaptionLabel16, FontKey::kA, 26},
    {"Label41", ControlKind::kLabel, 9240, 7080, 255, 255, texts::kCaptionLabel41, FontKey::kB, 59},
    {"Text12", ControlKind::kTextField, 9480, 7080, 1335, 270, {}, FontKey::kB, 41},
    {"Label10", ControlKind::kLabel, 11520, 3240, 1455, 255, texts::kCaptionLabel10, FontKey::kC, 17},
    {"Label11", ControlKind::kLabel, 11760, 3720, 1215, 255, texts::kCaptionLabel11, FontKey::kA, 62},
    {"Text20", ControlKind::kTextField, 11160, 3960, 2415, 285, {}, FontKey::kB, 60},
    {"Label25", ControlKind::kLabel, 12000, 4320, 855, 255, texts::kCaptionLabel25, FontKey::kA, 43},
    {"Text8", ControlKind::kTextField, 11640, 4560, 1455, 270, {}, FontKey::kB, 7},
    {"Label12", ControlKind::kLabel, 11760, 5160, 1215, 255, texts::kCaptionLabel12, FontKey::kA, 63},
    {"Text21", ControlKind::kTextField, 11400, 5400, 1935, 285, {}, FontKey::kB, 61},
    {"Label26", ControlKind::kLabel, 12000, 5760, 855, 255, texts::kCaptionLabel26, FontKey::kA, 44},
    {"Text9", ControlKind::kTextField, 11640, 6000, 1455, 270, {}, FontKey::kB, 8},
    {"Command1", ControlKind::kButton, 5880, 7920, 975, 495, texts::kCaptionCommand1, FontKey::kA, 33},
    {"Command2", ControlKind::kButton, 7200, 7920, 975, 495, texts::kCaptionCommand2, FontKey::kA, 34},
    {"Command3", ControlKind::kButton, 8520, 7920, 975, 495, texts::kCaptionCommand3, FontKey::kA, 66},
}};

// Straight lines, blue, 3 pixels wide, from (x1, y1) to (x2, y2).
struct Line {
  std::string_view name;
  int x1, y1, x2, y2;  // twips
};

inline constexpr std::array<Line, 9> kLines{{
    {"Line11", 1800, 2280, 13680, 2280},  // the frame: top,
    {"Line14", 1800, 7560, 13680, 7560},  // bottom,
    {"Line10", 1800, 2280, 1800, 7560},   // left,
    {"Line4", 13680, 2280, 13680, 7560},  // right
    {"Line15", 3960, 2280, 3960, 5880},   // start data | middle column, upper part
    {"Line2", 3960, 5880, 3960, 7560},    // start data | middle column, lower part
    {"Line3", 11040, 2280, 11040, 7560},  // middle column | observation data
    {"Line1", 3960, 3960, 11040, 3960},   // title band | accuracy statistics
    {"Line5", 3960, 6240, 11040, 6240},   // accuracy statistics | calculation results
}};

inline constexpr int kLineWidthPixels = 3;

// Colours, RGB.
struct Rgb {
  int r, g, b;
};
inline constexpr Rgb kBackground{255, 255, 192};   // the window and every label
inline constexpr Rgb kRunButtonFace{255, 192, 192};  // Command1, Command2
inline constexpr Rgb kPrintButtonFace{192, 255, 192};  // Command3
inline constexpr Rgb kLineColour{0, 0, 255};

// The controls reach x = 13680 and y = 8415; the window opens with a client
// area that shows them all, with the left margin repeated on the right and a
// margin below the buttons.
inline constexpr int kClientWidth = 13680 + 1800;
inline constexpr int kClientHeight = 8415 + 600;

}  // namespace koravel::layout
