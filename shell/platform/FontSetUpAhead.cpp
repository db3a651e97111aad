#include "FontSetUpAhead.h"

#include <dlfcn.h>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>

namespace zodiac {

FontSetUpAhead::FontSetUpAhead() {
    if (std::thread::hardware_concurrency() < 2)
        return;
    // Looked up rather than linked: the library is there when Qt's font database uses it, and the
    // program asks nothing else of it.
    using ReadConfiguration = int (*)();
    auto* read = reinterpret_cast<ReadConfiguration>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!read)
        return;
    try {
        m_reader = std::thread([read] {
            // On Linux a thread has a priority of its own. Should this fail, the thread still helps.
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
            read();
        });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself, as it always did.
    }
}

FontSetUpAhead::~FontSetUpAhead() {
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace zodiac
