// Times one start of a program up to its first shown window, by watching the
// X server's events instead of polling it (polling from a script costs enough
// CPU to skew what it measures).
//   window_start TITLE COMMAND [ARGS...]
// Prints four figures for the window titled TITLE: the milliseconds from the
// fork to its map, the CPU milliseconds the program had used by then (steadier
// than the wall time on a busy machine), and the same two at its first paint,
// when its contents appear (-1 -1 where the server lacks the DAMAGE extension).
// Then it ends the program. Exit status 1 when no window showed within 20 s.
#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

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

// The DAMAGE extension, spoken directly (its C binding is not needed for two
// requests): it reports the first drawing into a window.
xcb_extension_t damageExtension = {"DAMAGE", 0};

bool DamageAvailable(xcb_connection_t* c, uint8_t* firstEvent) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &damageExtension);
    if (!ext || !ext->present) return false;
    struct {
        uint8_t major, minor;
        uint16_t length;
        uint32_t clientMajor, clientMinor;
    } req{0, 0, 0, 1, 1};
    static const xcb_protocol_request_t info = {2, &damageExtension, 0, 0};
    iovec parts[4];
    parts[2] = {&req, sizeof req};
    parts[3] = {nullptr, 0};
    xcb_generic_error_t* error = nullptr;
    std::free(xcb_wait_for_reply(c, xcb_send_request(c, XCB_REQUEST_CHECKED, parts + 2, &info), &error));
    const bool ok = error == nullptr;
    std::free(error);
    *firstEvent = ext->first_event;
    return ok;
}

// One event tells when drawing into `w` first leaves a mark.
void WatchDamage(xcb_connection_t* c, xcb_window_t w) {
    struct {
        uint8_t major, minor;
        uint16_t length;
        uint32_t damage, drawable;
        uint8_t level, pad[3];
    } req{0, 1, 0, xcb_generate_id(c), w, 3 /* NonEmpty */, {0, 0, 0}};
    static const xcb_protocol_request_t info = {2, &damageExtension, 1, 1};
    iovec parts[4];
    parts[2] = {&req, sizeof req};
    parts[3] = {nullptr, 0};
    xcb_send_request(c, 0, parts + 2, &info);
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
    uint8_t damageEvent = 0;
    const bool damage = DamageAvailable(c, &damageEvent);
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

    auto since = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    };
    double shownMs = -1, paintedMs = -1, shownCpu = 0, paintedCpu = -1;
    xcb_window_t ours = XCB_WINDOW_NONE;
    auto shown = [&](xcb_window_t w) {
        shownMs = since();
        shownCpu = CpuMs(pid);
        ours = w;
    };
    const auto limit = t0 + std::chrono::seconds(20);
    while ((shownMs < 0 || (damage && paintedMs < 0)) && std::chrono::steady_clock::now() < limit) {
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
                // Watched for drawing from its birth: the first paint may follow the map closely.
                if (damage) WatchDamage(c, w);
                xcb_flush(c);
                if (shownMs < 0 && isOurs(w)) shown(w);  // mapped before we watched it
            } else if (type == XCB_MAP_NOTIFY) {
                const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
                if (shownMs < 0 && isOurs(w)) shown(w);
            } else if (damage && type == damageEvent) {
                uint32_t drawable;
                std::memcpy(&drawable, reinterpret_cast<const char*>(e) + 4, sizeof drawable);
                if (shownMs >= 0 && paintedMs < 0 && drawable == ours) {
                    paintedMs = since();
                    paintedCpu = CpuMs(pid);
                }
            }
            std::free(e);
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (shownMs < 0) return 1;
    std::printf("%.1f %.1f %.1f %.1f\n", shownMs, shownCpu, paintedMs, paintedCpu);
    return 0;
}
