#pragma once

namespace tervox::ui::testing {

// Runs the application's main event loop, as the program does after start-up, and
// returns its exit code: 0 when a termination request ended it, or `timeoutCode` when
// nothing asked for termination within `timeoutMs`.
int RunMainLoop(int timeoutMs = 1000, int timeoutCode = 99);

} // namespace tervox::ui::testing
