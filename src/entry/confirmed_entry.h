// The confirmed entry of one typed value: the value is asked, stored and
// echoed; a confirmation prompt follows, and a reply of zero leads to a
// re-entry, any other reply accepts the value.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "entry/run_state.h"
#include "ui/toolkit.h"

namespace koravel {

// Whether a confirmation reply asks for a re-entry: it reads as the number
// zero (0, 00, 0.0, -0, with or without blanks around it). Everything else,
// the empty reply and text that is no number included, accepts the value.
bool IsZeroReply(std::string_view reply);

// One value entered through the protocol.
struct ConfirmedValue {
  std::string valuePrompt;
  std::string firstConfirmation;
  std::string reEntryPrompt;
  std::string secondConfirmation;  // after every re-entry
  Field field{};
  bool clearBeforeReEntry = false;

  // Reads and stores a reply typed at the value or re-entry prompt and returns
  // the entry echo; empty when the reply cannot be used, the user is then
  // told `unreadable` and the same prompt opens again.
  std::function<std::optional<std::string>(std::string_view reply)> store;
  std::string_view unreadable;
  // The echo written when the value is accepted.
  std::function<std::string()> confirmationEcho;
  // Runs at the acceptance, after the confirmation echo: finishes the value
  // (a reading held until now, a check that the value gives a result). Returns
  // what to tell the user when the value cannot be used; the prompt that took
  // the value then opens again and the protocol goes on from there.
  std::function<std::optional<std::string_view>()> accept;

  // The four prompts, moved in, and the field; the rest is filled in by the
  // caller.
  static ConfirmedValue Asked(std::string valuePrompt, std::string firstConfirmation,
                              std::string reEntryPrompt, std::string secondConfirmation, Field field,
                              bool clearBeforeReEntry = false);
};

inline ConfirmedValue ConfirmedValue::Asked(std::string valuePrompt, std::string firstConfirmation,
                                            std::string reEntryPrompt, std::string secondConfirmation,
                                            Field field, bool clearBeforeReEntry) {
  ConfirmedValue value;
  value.valuePrompt = std::move(valuePrompt);
  value.firstConfirmation = std::move(firstConfirmation);
  value.reEntryPrompt = std::move(reEntryPrompt);
  value.secondConfirmation = std::move(secondConfirmation);
  value.field = field;
  value.clearBeforeReEntry = clearBeforeReEntry;
  return value;
}

enum class EntryOutcome {
  kAccepted,
  kStopped,  // the replies ended, or the user chose to stop at a notice
};

EntryOutcome ConfirmedEntry(Toolkit& toolkit, RunState& run, const ConfirmedValue& value);

}  // namespace koravel
