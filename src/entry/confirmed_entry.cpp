#include "entry/confirmed_entry.h"

#include "adjust/numbers.h"

namespace koravel {

bool IsZeroReply(std::string_view reply) {
  const std::optional<double> value = ParseReal64(reply);
  return value && *value == 0;
}

EntryOutcome ConfirmedEntry(Toolkit& toolkit, RunState& run, const ConfirmedValue& value) {
  bool reEntry = false;  // which prompt takes the value: the first, or the re-entry prompt
  for (;;) {
    const std::string& prompt = reEntry ? value.reEntryPrompt : value.valuePrompt;
    std::string echo;
    for (;;) {
      const std::optional<std::string> reply = toolkit.PromptText(prompt);
      if (!reply) return EntryOutcome::kStopped;
      if (std::optional<std::string> stored = value.store(*reply)) {
        echo = std::move(*stored);
        break;
      }
      if (!toolkit.Notice(NoticeKind::kRetry, value.unreadable)) return EntryOutcome::kStopped;
    }
    toolkit.SetFieldText(value.field, echo);

    run.ConfirmReply = '2';
    const std::optional<std::string> confirmation =
        toolkit.PromptText(reEntry ? value.secondConfirmation : value.firstConfirmation);
    if (!confirmation) return EntryOutcome::kStopped;
    run.ConfirmReply = *confirmation;

    if (IsZeroReply(run.ConfirmReply)) {
      reEntry = true;
    } else {
      toolkit.SetFieldText(value.field, value.confirmationEcho());
      const std::optional<std::string_view> unusable =
          value.accept ? value.accept() : std::nullopt;
      if (!unusable) return EntryOutcome::kAccepted;
      if (!toolkit.Notice(NoticeKind::kRetry, *unusable)) return EntryOutcome::kStopped;
      // The prompt that took the value opens again.
    }
    if (reEntry && value.clearBeforeReEntry) toolkit.SetFieldText(value.field, "");
  }
}

}  // namespace koravel
