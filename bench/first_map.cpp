// Starts a program and reports the moment its window becomes viewable:
//   first_map <program> [arguments...]
// prints "<pid> <ms from start to viewable> <CPU ns the program had used then>"
// and leaves the program running, its output dropped. It waits on X events instead of polling, so
// the CPU figure is read within a round trip of the map: a program that goes
// on working after its map (Qt loads the fonts in the first paint) is not
// charged for that work by the speed of the poll.
//
// The window counted is the first top-level window created after the start
// that becomes viewable and does not name another process in _NET_WM_PID
// (the window manager's frame around it qualifies, and some programs set no
// _NET_WM_PID): run one program at a time.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

xcb_connection_t* c;
xcb_atom_t netWmPid;

template <typename Reply> struct Freed {
    Reply* r;
    ~Freed() { std::free(r); }
    Reply* operator->() const { return r; }
    explicit operator bool() const { return r; }
};

// CPU time of a process in nanoseconds, all threads.
long long cpuNs(pid_t pid) {
    long long total = 0;
    std::error_code ec;
    const auto tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, ec)) {
        std::ifstream stat(task.path() / "schedstat");
        long long ns = 0;
        stat >> ns;
        total += ns;
    }
    return total;
}

bool isViewableWindowOf(xcb_window_t w, pid_t pid) {
    const auto attrCookie = xcb_get_window_attributes(c, w);
    const auto pidCookie = xcb_get_property(c, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1);
    Freed attr{xcb_get_window_attributes_reply(c, attrCookie, nullptr)};
    Freed owner{xcb_get_property_reply(c, pidCookie, nullptr)};
    if (!attr || attr->map_state != XCB_MAP_STATE_VIEWABLE)
        return false;
    return !owner || xcb_get_property_value_length(owner.r) != 4 ||
           *static_cast<uint32_t*>(xcb_get_property_value(owner.r)) == uint32_t(pid);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const char* name = "_NET_WM_PID";
    Freed pidAtom{xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name),
                                        nullptr)};
    netWmPid = pidAtom ? pidAtom->atom : xcb_atom_t(XCB_ATOM_NONE);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // applied

    const auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, 1, 2);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[1], &quiet, nullptr, argv + 1, environ) != 0)
        return 1;

    std::vector<xcb_window_t> created;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid ||
            std::chrono::steady_clock::now() - start > std::chrono::seconds(20))
            return 1;
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                return 1;
            poll(&fd, 1, 100);
            continue;
        }
        const auto type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (e->parent == root && !e->override_redirect)
                created.push_back(e->window);
        }
        std::free(event);
        if (type != XCB_CREATE_NOTIFY && type != XCB_MAP_NOTIFY)
            continue;
        for (const xcb_window_t w : created) {
            if (isViewableWindowOf(w, pid)) {
                const long long cpu = cpuNs(pid);
                const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start);
                std::printf("%d %lld %lld\n", int(pid), static_cast<long long>(ms.count()), cpu);
                return 0;
            }
        }
    }
}
