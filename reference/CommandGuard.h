#pragma once

#include <functional>

namespace reference {

// Runs a command the user started. An error that the command does not catch
// itself ends it at that point and is shown once, with its own text, by the
// general error handler; the window stays open and keeps its state.
void runCommand(const std::function<void()> &command);

} // namespace reference
