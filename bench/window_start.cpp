// Times one start of a program up to its first shown window, by watching the
// X server's map events instead of polling it (polling from a script costs
// enough CPU to skew what it measures).
//   window_start TITLE COMMAND [ARGS...]
// Prints the milliseconds from the fork to the map of the window titled TITLE,
// and the CPU milliseconds the program had used by then (steadier than the
// wall time on a busy machine), then ends the program. Exit status 1 when it
// did not show within 20 s.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 256), nullptr);
    std::string value;
    if (r) value.assign(static_cast<const char*>(xcb_get_property_value(r)),
                        static_cast<std::size_t>(xcb_get_property_value_length(r)));
    std::free(r);
    return value;
}

bool Viewable(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_window_attributes_reply_t* r =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool viewable = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(r);
    return viewable;
}

// CPU time of all threads of `pid` so far, from the scheduler's statistics.
double CpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* d = opendir(tasks.c_str())) {
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] == '.') continue;
            std::ifstream in(tasks + "/" + e->d_name + "/schedstat");
            double run = 0;
            if (in >> run) ns += run;
        }
        closedir(d);
    }
    return ns / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_start TITLE COMMAND [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "window_start: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netName = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    auto isOurs = [&](xcb_window_t w) {
        return (Property(c, w, netName, utf8) == title || Property(c, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == title) &&
               Viewable(c, w);
    };

    long shownMs = -1;
    const auto limit = t0 + std::chrono::seconds(20);
    while (shownMs < 0 && std::chrono::steady_clock::now() < limit) {
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, 100);
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watch each new top-level window itself: a window manager
                // reparents it, and its map is then reported to it, not the root.
                const xcb_window_t w = reinterpret_cast<xcb_create_notify_event_t*>(e)->window;
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &mask);
                if (isOurs(w)) shownMs = 0;  // mapped before we watched it
            } else if (type == XCB_MAP_NOTIFY) {
                if (isOurs(reinterpret_cast<xcb_map_notify_event_t*>(e)->window)) shownMs = 0;
            }
            std::free(e);
            if (shownMs == 0) {
                shownMs = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
                              .count();
                break;
            }
        }
    }
    const double cpuMs = shownMs >= 0 ? CpuMs(pid) : 0;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (shownMs < 0) return 1;
    std::printf("%ld %.1f\n", shownMs, cpuMs);
    return 0;
}
