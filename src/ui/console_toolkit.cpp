#include "ui/console_toolkit.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "ui/text_render.h"
#include "ui/texts/console.h"
#include "ui/utf8.h"

namespace koravel {
namespace {

namespace t = texts;

constexpr std::size_t kReadChunk = 1 << 16;

}  // namespace

ConsoleToolkit::ConsoleToolkit(int inputFd, std::FILE* out, bool trace)
    : inputFd_(inputFd), out_(out), trace_(trace), echoReplies_(!trace && isatty(inputFd) == 0) {}

std::optional<std::string> ConsoleToolkit::ReadLine() {
  std::size_t scanned = inStart_;
  for (;;) {
    const char* begin = inBuffer_.data();
    const void* lf = scanned < inEnd_ ? std::memchr(begin + scanned, '\n', inEnd_ - scanned) : nullptr;
    if (lf != nullptr) {
      const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - begin);
      std::string_view text(begin + inStart_, end - inStart_);
      inStart_ = end + 1;
      if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
      return ValidUtf8(text);
    }
    scanned = inEnd_;
    if (inputClosed_) {
      if (inStart_ == inEnd_) return std::nullopt;
      // The last line of a file without a line end is a reply like any other.
      std::string_view text(begin + inStart_, inEnd_ - inStart_);
      inStart_ = inEnd_;
      if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
      return ValidUtf8(text);
    }
    // About to wait for input: whoever answers must see the prompt first.
    std::fflush(out_);
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

void ConsoleToolkit::Write(std::string_view text) { line_ += text; }

void ConsoleToolkit::WriteShown(std::string_view text) {
  for (const char c : text) {
    if (trace_) {
      switch (c) {
        case '\\': line_ += "\\\\"; continue;
        case '\t': line_ += "\\t"; continue;
        case '\n': line_ += "\\n"; continue;
        case '\r': line_ += "\\r"; continue;
        default: line_ += c; continue;
      }
    }
    // For a person: a control character typed into a name must not steer
    // the terminal; it shows as the replacement character.
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t') || u == 0x7F) {
      line_ += "\xEF\xBF\xBD";
    } else {
      line_ += c;
    }
  }
}

bool ConsoleToolkit::Flush() {
  if (!line_.empty()) {
    std::fwrite(line_.data(), 1, line_.size(), out_);
    line_.clear();
  }
  return std::fflush(out_) == 0 && std::ferror(out_) == 0;
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
  std::fwrite(line_.data(), 1, line_.size(), out_);
  line_.clear();

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
    Write("field\t");
    Write(FieldName(field));
    Write("\t");
  } else {
    Write(t::FieldCaption(field));
    Write(t::kConsoleCaptionEnd);
  }
  WriteShown(text);
  Write("\n");
  std::fwrite(line_.data(), 1, line_.size(), out_);
  line_.clear();
}

bool ConsoleToolkit::Notice(NoticeKind, std::string_view text) {
  Write(trace_ ? std::string_view("notice\t") : t::kConsoleNoticeLead);
  WriteShown(text);
  Write("\n");
  std::fwrite(line_.data(), 1, line_.size(), out_);
  line_.clear();
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
  std::fwrite(line_.data(), 1, line_.size(), out_);
  line_.clear();
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
