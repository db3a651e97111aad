#pragma once

namespace zodiac {

// Application-wide settings made before any window opens: the name (which also names the settings
// file), the window icon, the desktop entry the windows belong to, and that closing the last
// window does not end the run, since a hand-over closes the only window for a moment; only
// EndApplication ends it.
void PrepareApplication();

} // namespace zodiac
