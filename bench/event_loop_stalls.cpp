// How long the event loops of running banners stall: pings every banner
// window of the given processes with _NET_WM_PING every 20 ms (one ping
// outstanding per window, timed to 2 ms) and times the answers, which each banner's event
// loop sends back through the root window. Run through
// bench/save_stalls.sh.
//   event_loop_stalls <seconds> <pid>...
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;
xcb_connection_t* c;

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T* reply) {
    return {reply, &std::free};
}

xcb_atom_t atom(const char* name) {
    auto r = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Top-level windows and their children (the client below a frame) whose
// _NET_WM_PID is one of pids.
std::vector<xcb_window_t> windowsOf(xcb_window_t root, const std::set<uint32_t>& pids) {
    std::vector<xcb_window_t> found, level{root};
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    for (int depth = 0; depth < 2; ++depth) {
        std::vector<xcb_window_t> next;
        for (xcb_window_t parent : level) {
            auto tree = owned(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
            if (!tree)
                continue;
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            next.insert(next.end(), children,
                        children + xcb_query_tree_children_length(tree.get()));
        }
        for (xcb_window_t w : next) {
            auto p = owned(xcb_get_property_reply(
                c, xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
            if (p && xcb_get_property_value_length(p.get()) == 4 &&
                pids.count(*static_cast<uint32_t*>(xcb_get_property_value(p.get()))))
                found.push_back(w);
        }
        level = next;
    }
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto duration = std::chrono::seconds(std::atoi(argv[1]));
    std::set<uint32_t> pids;
    for (int i = 2; i < argc; ++i)
        pids.insert(uint32_t(std::atoi(argv[i])));
    const std::vector<xcb_window_t> windows = windowsOf(root, pids);
    // Qt sends its answers to the root for StructureNotify (and the window
    // manager's SubstructureRedirect).
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = atom("WM_PROTOCOLS"), ping = atom("_NET_WM_PING");

    std::map<xcb_window_t, Clock::time_point> outstanding, nextPing;
    std::map<xcb_window_t, double> worst;
    std::vector<double> answers;
    uint32_t stamp = 1;
    const auto end = Clock::now() + duration;
    while (Clock::now() < end) {
        for (xcb_window_t w : windows) {
            if (outstanding.count(w) || Clock::now() < nextPing[w])
                continue;
            xcb_client_message_event_t event = {};
            event.response_type = XCB_CLIENT_MESSAGE;
            event.format = 32;
            event.window = w;
            event.type = protocols;
            event.data.data32[0] = ping;
            event.data.data32[1] = stamp++;
            event.data.data32[2] = w;
            xcb_send_event(c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
            outstanding[w] = Clock::now();
        }
        xcb_flush(c);
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&fd, 1, 2);
        while (auto e = owned(xcb_poll_for_event(c))) {
            if ((e->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
                continue;
            const auto* m = reinterpret_cast<xcb_client_message_event_t*>(e.get());
            const auto it = outstanding.find(m->data.data32[2]);
            if (m->type != protocols || m->data.data32[0] != ping || it == outstanding.end())
                continue;
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - it->second).count();
            answers.push_back(ms);
            worst[it->first] = std::max(worst[it->first], ms);
            nextPing[it->first] = it->second + std::chrono::milliseconds(20);
            outstanding.erase(it);
        }
    }
    // A ping never answered counts as a stall for as long as it waited.
    for (const auto& [w, sent] : outstanding)
        worst[w] = std::max(worst[w],
                            std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
    std::sort(answers.begin(), answers.end());
    int over100 = 0;
    double longest = 0;
    for (const auto& [w, ms] : worst) {
        over100 += ms > 100;
        longest = std::max(longest, ms);
    }
    std::printf("%zu windows, %zu answers: median %.1f ms, 99th %.1f ms; longest stall %.0f ms; "
                "%d of %zu windows stalled over 100 ms\n",
                windows.size(), answers.size(), answers.empty() ? 0 : answers[answers.size() / 2],
                answers.empty() ? 0 : answers[answers.size() * 99 / 100], longest, over100,
                windows.size());
    return windows.empty() ? 1 : 0;
}
