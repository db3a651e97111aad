#pragma once
#include <thread>

namespace zodiac {

// Reads the system's font configuration on a thread of its own while the application object is
// built. Qt's font database on Linux asks fontconfig for it at the first font a window measures,
// and fontconfig parsing its configuration files is about a third of the work of a start; the
// main thread meanwhile connects to the display server, and waits on it often.
//
// Nothing waits for the thread. Should Qt want the configuration before the thread has it,
// fontconfig reads it a second time on Qt's thread and keeps whichever copy is ready first, so a
// start is never slower than without this. The thread runs at the lowest priority, so that it
// takes only time the main thread and the display server leave, and is not started on a machine
// with a single processor, nor where Qt's font database does not use fontconfig.
class FontSetUpAhead {
public:
    FontSetUpAhead();
    // Waits for the thread, if it is still reading.
    ~FontSetUpAhead();
    FontSetUpAhead(const FontSetUpAhead&) = delete;
    FontSetUpAhead& operator=(const FontSetUpAhead&) = delete;

private:
    std::thread m_reader;
};

} // namespace zodiac
