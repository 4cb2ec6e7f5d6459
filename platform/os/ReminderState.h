// Which reminders were raised, kept across restarts in a small state file of its own (never in the
// settings): $XDG_STATE_HOME/nuro/reminders, default ~/.local/state/nuro/reminders.
#pragma once

#include "core/TimeText.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuro {

// A day and the prayers reminded on it, a bit per TimeSlotIndex.
using RaisedReminders = std::vector<std::pair<LocalDate, unsigned>>;

// The file's text and back. Reading takes what it can and skips the rest: a file cut short or full
// of garbage gives fewer days, never an error.
std::string FormatRaisedReminders(const RaisedReminders& raised);
RaisedReminders ParseRaisedReminders(std::string_view text);

// The state file's path; "" when neither XDG_STATE_HOME nor HOME says where.
std::string ReminderStatePath();

// Reads the file (nothing when it is missing or unreadable) and writes it as one atomic replace,
// making its folder; false when the write failed, the old file being left whole.
RaisedReminders LoadRaisedReminders();
bool SaveRaisedReminders(const RaisedReminders& raised);

} // namespace nuro
