// Starts a program and measures, from outside, the time until its window is mapped on the X server.
//   bench_wait_map TITLE PROGRAM [ARGUMENTS...]
// Prints the milliseconds from just before the program is started to the map notification of a
// top-level window whose title is TITLE, then ends the program. Without a window manager the
// server reports every top-level map to a client listening on the root window.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};

std::string WindowTitle(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type) {
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, property, type, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, FreeDeleter> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 8)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

void EndChild(pid_t child) {
    kill(child, SIGTERM);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string wantedTitle = argv[1];

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_wait_map: cannot connect to the X server\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8String = Atom(connection, "UTF8_STRING");

    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(
        connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)));
    if (error) {
        std::fprintf(stderr, "bench_wait_map: cannot listen on the root window\n");
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("execvp");
        _exit(127);
    }

    const auto deadline = start + std::chrono::seconds(30);
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection)) {
            std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(raw);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto mapped = std::chrono::steady_clock::now();
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect)
                continue;
            std::string title = WindowTitle(connection, map->window, netWmName, utf8String);
            if (title.empty())
                title = WindowTitle(connection, map->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
            if (title != wantedTitle)
                continue;
            std::printf("%.2f\n", std::chrono::duration<double, std::milli>(mapped - start).count());
            EndChild(child);
            xcb_disconnect(connection);
            return 0;
        }
        if (xcb_connection_has_error(connection))
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "bench_wait_map: the program ended before its window was mapped\n");
            xcb_disconnect(connection);
            return 1;
        }
        poll(&descriptor, 1, 100);
    }
    std::fprintf(stderr, "bench_wait_map: no window titled \"%s\" was mapped\n", wantedTitle.c_str());
    EndChild(child);
    xcb_disconnect(connection);
    return 1;
}
