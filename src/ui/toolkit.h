// The toolkit interface: the only way the dialogue, the result display and the
// report reach the screen and the printer. Implemented by the Qt window, by the
// terminal, and by a scripted toolkit in the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace koravel {

// The window's text fields, by their numbers (Text1 ... Text22).
enum class Field : int {
  Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
  Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21, Text22,
};

// "Text1" ... "Text22".
std::string FieldName(Field field);

// One element of a printed line, placed in character columns.
struct PrintItem {
  enum class Kind { kColumn, kSpaces, kText, kNumber };
  Kind kind = Kind::kText;
  std::int16_t count = 0;  // Column(n), Spaces(n)
  std::string text;        // Text(s)
  float number = 0;        // Number(x)

  static PrintItem Column(std::int16_t n) { return {Kind::kColumn, n, {}, 0}; }
  static PrintItem Spaces(std::int16_t n) { return {Kind::kSpaces, n, {}, 0}; }
  static PrintItem Text(std::string s) { return {Kind::kText, 0, std::move(s), 0}; }
  static PrintItem Number(float x) { return {Kind::kNumber, 0, {}, x}; }
  bool operator==(const PrintItem&) const = default;
};
using PrintLineItems = std::vector<PrintItem>;

enum class NoticeKind {
  kRetry,        // a reply could not be used; the same prompt opens again
  kInformation,  // something could not be computed; the run goes on
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A modal prompt showing the message alone with an empty reply. Returns the
  // typed text (empty on Cancel), or nothing when no reply will ever come
  // (the replies ended): the run then stops.
  virtual std::optional<std::string> PromptText(std::string_view message) = 0;

  // Replaces the whole text of a field; it shows at once and stays visible
  // while the next prompt is open. Fields are never read back.
  virtual void SetFieldText(Field field, std::string_view text) = 0;

  // Tells the user something that the dialogue has no prompt for. For kRetry,
  // returns false when the user chose to stop the run instead of answering
  // again; for kInformation the result is true.
  virtual bool Notice(NoticeKind kind, std::string_view text) = 0;

  // Printing: positions in twips from the printable area's origin, the face
  // and size for the lines after them; the first line opens a print document
  // and EndPrintDocument releases it to the printer.
  virtual void SetPrintPosition(float xTwips, float yTwips) = 0;
  virtual void SetPrintFont(std::string_view face) = 0;
  virtual void SetPrintFontSize(float points) = 0;
  virtual void PrintLine(const PrintLineItems& items) = 0;
  virtual void EndPrintDocument() = 0;

  // Ends the program at once; nothing is saved.
  virtual void EndProgram() = 0;
};

}  // namespace koravel
