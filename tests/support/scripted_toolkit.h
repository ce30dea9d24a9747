// A toolkit for tests: replies come from a script, and every prompt, field
// write, notice and printed line is recorded as an event in order.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit.h"

namespace koravel::testing {

struct Event {
  enum class Kind { kPrompt, kField, kNotice, kPrintPosition, kPrintFont, kPrintFontSize, kPrintLine, kEndPrint, kEndProgram };
  Kind kind = Kind::kPrompt;
  std::string text;       // prompt message, field text, notice text, face
  Field field{};          // kField
  float a = 0, b = 0;     // position (twips) or font size
  PrintLineItems items;   // kPrintLine

  static Event Make(Kind kind, std::string text = {}, Field field = {}, float a = 0, float b = 0) {
    Event e;
    e.kind = kind;
    e.text = std::move(text);
    e.field = field;
    e.a = a;
    e.b = b;
    return e;
  }
};

class ScriptedToolkit : public Toolkit {
 public:
  ScriptedToolkit() = default;
  explicit ScriptedToolkit(std::vector<std::string> replies) { for (auto& r : replies) replies_.push_back(std::move(r)); }

  void AddReplies(const std::vector<std::string>& replies) { replies_.insert(replies_.end(), replies.begin(), replies.end()); }
  // After this many kRetry notices the toolkit answers "stop the run".
  void StopAtNotice(int count) { stopAtNotice_ = count; }

  std::optional<std::string> PromptText(std::string_view message) override {
    events_.push_back(Event::Make(Event::Kind::kPrompt, std::string(message)));
    if (replies_.empty()) return std::nullopt;
    std::string reply = std::move(replies_.front());
    replies_.pop_front();
    return reply;
  }
  void SetFieldText(Field field, std::string_view text) override {
    events_.push_back(Event::Make(Event::Kind::kField, std::string(text), field));
    fields_[field] = std::string(text);
  }
  bool Notice(NoticeKind kind, std::string_view text) override {
    events_.push_back(Event::Make(Event::Kind::kNotice, std::string(text)));
    if (kind == NoticeKind::kRetry && stopAtNotice_ > 0 && ++retryNotices_ >= stopAtNotice_) return false;
    return true;
  }
  void SetPrintPosition(float x, float y) override { events_.push_back(Event::Make(Event::Kind::kPrintPosition, {}, {}, x, y)); }
  void SetPrintFont(std::string_view face) override { events_.push_back(Event::Make(Event::Kind::kPrintFont, std::string(face))); }
  void SetPrintFontSize(float points) override { events_.push_back(Event::Make(Event::Kind::kPrintFontSize, {}, {}, points)); }
  void PrintLine(const PrintLineItems& items) override {
    Event e = Event::Make(Event::Kind::kPrintLine);
    e.items = items;
    events_.push_back(std::move(e));
  }
  void EndPrintDocument() override { events_.push_back(Event::Make(Event::Kind::kEndPrint)); }
  void EndProgram() override { events_.push_back(Event::Make(Event::Kind::kEndProgram)); }

  const std::vector<Event>& events() const { return events_; }
  void ClearEvents() { events_.clear(); }
  // The last text written into a field ("" if never written).
  std::string field(Field f) const { auto it = fields_.find(f); return it == fields_.end() ? std::string() : it->second; }
  // The prompt messages in order.
  std::vector<std::string> prompts() const { return Texts(Event::Kind::kPrompt); }
  std::vector<std::string> notices() const { return Texts(Event::Kind::kNotice); }
  std::size_t unusedReplies() const { return replies_.size(); }

 private:
  std::vector<std::string> Texts(Event::Kind kind) const {
    std::vector<std::string> out;
    for (const auto& e : events_) if (e.kind == kind) out.push_back(e.text);
    return out;
  }
  std::deque<std::string> replies_;
  std::vector<Event> events_;
  std::map<Field, std::string> fields_;
  int stopAtNotice_ = 0;
  int retryNotices_ = 0;
};

}  // namespace koravel::testing
