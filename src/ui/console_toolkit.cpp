#include "ui/console_toolkit.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ui/text_render.h"
#include "ui/texts/console.h"
#include "ui/utf8.h"

namespace koravel {
namespace {

namespace t = texts;

constexpr std::size_t kReadChunk = 1 << 16;
constexpr std::size_t kWriteChunk = 1 << 16;

// Whether any of the sixteen bytes is below 0x20, a backslash or DEL.
using Bytes16 = unsigned char __attribute__((vector_size(16)));
bool NeedsCare(const char* at) {
  Bytes16 v;
  std::memcpy(&v, at, sizeof v);
  const auto hit = (v < 0x20) | (v == '\\') | (v == 0x7F);
  std::uint64_t halves[2];
  std::memcpy(halves, &hit, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

// Whether no byte of the text needs escaping or replacing, checked sixteen
// bytes at a time (the last few bytes padded with a plain letter).
bool StandsAsItIs(std::string_view text) {
  std::size_t i = 0;
  for (; i + 16 <= text.size(); i += 16) {
    if (NeedsCare(text.data() + i)) return false;
  }
  if (i == text.size()) return true;
  char rest[16];
  std::memset(rest, 'a', sizeof rest);
  std::memcpy(rest, text.data() + i, text.size() - i);
  return !NeedsCare(rest);
}

// The reply on one input line: without a carriage return before the line end
// (a file of replies written with Windows line ends), and as well-formed UTF-8.
std::string ReplyText(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return ValidUtf8(line);
}

}  // namespace

ConsoleToolkit::ConsoleToolkit(int inputFd, int outputFd, bool trace)
    : inputFd_(inputFd), outputFd_(outputFd), trace_(trace), echoReplies_(!trace && isatty(inputFd) == 0) {
  out_.resize(2 * kWriteChunk);
}

std::optional<std::string> ConsoleToolkit::ReadLine() {
  std::size_t scanned = inStart_;
  for (;;) {
    const char* begin = inBuffer_.data();
    const void* lf = scanned < inEnd_ ? std::memchr(begin + scanned, '\n', inEnd_ - scanned) : nullptr;
    if (lf != nullptr) {
      const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - begin);
      const std::string_view line(begin + inStart_, end - inStart_);
      inStart_ = end + 1;
      return ReplyText(line);
    }
    scanned = inEnd_;
    if (inputClosed_) {
      if (inStart_ == inEnd_) return std::nullopt;
      // The last line of a file without a line end is a reply like any other.
      const std::string_view line(begin + inStart_, inEnd_ - inStart_);
      inStart_ = inEnd_;
      return ReplyText(line);
    }
    // About to wait for input: whoever answers must see the prompt first.
    Flush();
    if (inStart_ > 0) {
      std::memmove(inBuffer_.data(), inBuffer_.data() + inStart_, inEnd_ - inStart_);
      inEnd_ -= inStart_;
      scanned -= inStart_;
      inStart_ = 0;
    }
    if (inBuffer_.size() - inEnd_ < kReadChunk) inBuffer_.resize(inEnd_ + kReadChunk);
    ssize_t got;
    do {
      got = read(inputFd_, inBuffer_.data() + inEnd_, inBuffer_.size() - inEnd_);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
      inputClosed_ = true;  // end of input, or input that cannot be read
    } else {
      inEnd_ += static_cast<std::size_t>(got);
    }
  }
}

void ConsoleToolkit::Write(std::string_view text) {
  if (text.size() > out_.size() - outUsed_) {
    Flush();
    if (text.size() > out_.size()) {  // longer than the whole buffer: straight out
      WriteAll(text);
      return;
    }
  }
  std::memcpy(out_.data() + outUsed_, text.data(), text.size());
  outUsed_ += text.size();
}

void ConsoleToolkit::WriteShown(std::string_view text) {
  if (StandsAsItIs(text)) {  // nearly every text
    Write(text);
    return;
  }
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto u = static_cast<unsigned char>(text[i]);
    if (u >= 0x20 && u != '\\' && u != 0x7F) continue;
    std::string_view replacement;
    if (trace_) {
      switch (u) {
        case '\\': replacement = "\\\\"; break;
        case '\t': replacement = "\\t"; break;
        case '\n': replacement = "\\n"; break;
        case '\r': replacement = "\\r"; break;
        default: continue;
      }
    } else {
      // For a person: a control character typed into a name must not steer
      // the terminal; it shows as the replacement character.
      if (u == '\\' || u == '\t') continue;
      replacement = "\xEF\xBF\xBD";
    }
    Write(text.substr(from, i - from));
    Write(replacement);
    from = i + 1;
  }
  Write(text.substr(from));
}

void ConsoleToolkit::EndEvent() {
  if (outUsed_ >= kWriteChunk) Flush();
}

void ConsoleToolkit::WriteAll(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size() && !outputFailed_) {
    const ssize_t wrote = write(outputFd_, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      outputFailed_ = true;  // a full disk or a closed pipe: nothing more gets out
    } else {
      done += static_cast<std::size_t>(wrote);
    }
  }
}

bool ConsoleToolkit::Flush() {
  WriteAll(std::string_view(out_.data(), outUsed_));
  outUsed_ = 0;
  return !outputFailed_;
}

std::optional<std::string> ConsoleToolkit::PromptText(std::string_view message) {
  if (trace_) {
    Write("prompt\t");
    WriteShown(message);
    Write("\n");
  } else {
    Write("\n");
    WriteShown(message);
    Write("\n");
    Write(t::kConsoleReplyMarker);
  }
  EndEvent();

  std::optional<std::string> reply = ReadLine();
  if (!reply) {
    if (!trace_) Write("\n");
    inputEnded_ = true;
    Notice(NoticeKind::kInformation, t::kNoticeInputEnded);
    return std::nullopt;
  }
  if (echoReplies_) {
    WriteShown(*reply);
    Write("\n");
  }
  return reply;
}

void ConsoleToolkit::SetFieldText(Field field, std::string_view text) {
  if (trace_) {
    char number[8];
    const auto end = std::to_chars(number, number + sizeof number, static_cast<int>(field)).ptr;
    Write("field\tText");
    Write(std::string_view(number, static_cast<std::size_t>(end - number)));
    Write("\t");
  } else {
    Write(t::FieldCaption(field));
    Write(t::kConsoleCaptionEnd);
  }
  WriteShown(text);
  Write("\n");
  EndEvent();
}

bool ConsoleToolkit::Notice(NoticeKind, std::string_view text) {
  Write(trace_ ? std::string_view("notice\t") : t::kConsoleNoticeLead);
  WriteShown(text);
  Write("\n");
  EndEvent();
  return true;
}

// A terminal has one face and one size: the print settings change nothing.
void ConsoleToolkit::SetPrintPosition(float, float) {}
void ConsoleToolkit::SetPrintFont(std::string_view) {}
void ConsoleToolkit::SetPrintFontSize(float) {}

void ConsoleToolkit::PrintLine(const PrintLineItems& items) {
  if (!printing_) {
    printing_ = true;
    if (!trace_) {
      Write("\n");
      Write(t::kConsoleReportBegin);
      Write("\n");
    }
  }
  for (const std::string& text : RenderText(items)) {
    if (trace_) Write("print\t");
    WriteShown(text);
    Write("\n");
  }
  EndEvent();
}

void ConsoleToolkit::EndPrintDocument() {
  if (printing_ && !trace_) {
    Write(t::kConsoleReportEnd);
    Write("\n");
  }
  printing_ = false;
  Flush();
}

void ConsoleToolkit::EndProgram() {
  Flush();
  std::exit(0);
}

}  // namespace koravel
