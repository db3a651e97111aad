#pragma once
#include <functional>

namespace zodiac {

// Closes every top-level window, hidden ones included, and ends the event loop. Windows that call it
// again from their own close handling are ignored: it runs once.
void EndApplication();

// True from the first call of EndApplication on.
bool IsEndingApplication();

// Test seam: the hook runs instead of ending the event loop. Setting it (even to an empty function,
// which restores the real exit) also clears the once-only guard, so each test starts afresh.
void SetEndApplicationHook(std::function<void()> hook);

} // namespace zodiac
