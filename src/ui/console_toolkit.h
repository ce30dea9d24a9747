// The toolkit of the terminal program: prompts read lines from a file
// descriptor, field writes, notices and printed lines go to a stream, either
// as the one-line-per-event trace or in a form for a person to read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit.h"

namespace koravel {

class ConsoleToolkit : public Toolkit {
 public:
  // Replies are read from `inputFd`; everything shown goes to `outputFd`. With
  // `trace`, each event is one line: prompt, field, notice or print, its
  // fields separated by TAB, with backslash, TAB, LF and CR escaped.
  ConsoleToolkit(int inputFd, int outputFd, bool trace);

  std::optional<std::string> PromptText(std::string_view message) override;
  void SetFieldText(Field field, std::string_view text) override;
  // There is no way to stop a run from the terminal but ending the input:
  // after a notice the same prompt simply opens again.
  bool Notice(NoticeKind kind, std::string_view text) override;
  void SetPrintPosition(float xTwips, float yTwips) override;
  void SetPrintFont(std::string_view face) override;
  void SetPrintFontSize(float points) override;
  void PrintLine(const PrintLineItems& items) override;
  void EndPrintDocument() override;
  void EndProgram() override;

  // Whether a prompt met the end of the input.
  bool inputEnded() const { return inputEnded_; }
  // Writes out what is still buffered; false when the output failed.
  bool Flush();

 private:
  // The next line of input without its line end (LF, and a CR before it), or
  // nothing at the end of the input. Output is flushed before the program
  // waits for input, so a program answering the prompts sees each one.
  std::optional<std::string> ReadLine();
  void Write(std::string_view text);
  void EndEvent();  // writes the buffer out once it is large
  void WriteAll(std::string_view bytes);
  void WriteShown(std::string_view text);  // escaped for the trace, or made safe for a terminal

  int inputFd_;
  int outputFd_;
  bool outputFailed_ = false;
  bool trace_;
  bool echoReplies_;  // friendly form from a file: show the reply after the prompt
  bool inputEnded_ = false;
  bool inputClosed_ = false;
  bool printing_ = false;  // a print document is open
  std::vector<char> inBuffer_;
  std::size_t inStart_ = 0;
  std::size_t inEnd_ = 0;
  std::vector<char> out_;  // output not yet written: out_[0, outUsed_)
  std::size_t outUsed_ = 0;
};

}  // namespace koravel
