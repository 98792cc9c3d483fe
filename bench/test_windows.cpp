// Other programs' windows for the benchmarks and the desktop tests.
//   test_windows dock top|bottom <thickness>
//       a dock along one edge of the root window that reserves its strip
//   test_windows window <x> <y> <width> <height> [count] [plain|decorated]
//       normal windows at a user-given position and size, without resize
//       increments; "plain" (the default) asks for no decorations, so that
//       frame and client geometry are the same
// Prints the ids of its windows, one a line, and then waits to be ended.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

xcb_connection_t* c;

xcb_atom_t atom(const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

xcb_window_t create(xcb_screen_t* screen, int x, int y, int w, int h) {
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, int16_t(x), int16_t(y),
                      uint16_t(w), uint16_t(h), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_BACK_PIXEL, values);
    return window;
}

// WM_NORMAL_HINTS: a user-given position and size, no resize increments.
void setUserGeometry(xcb_window_t window, int x, int y, int w, int h) {
    uint32_t hints[18] = {};
    hints[0] = 1 | 2; // USPosition | USSize
    hints[1] = uint32_t(x);
    hints[2] = uint32_t(y);
    hints[3] = uint32_t(w);
    hints[4] = uint32_t(h);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

void setAtom(xcb_window_t w, const char* property, const char* value) {
    const xcb_atom_t v = atom(value);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(property), XCB_ATOM_ATOM, 32, 1, &v);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::string mode = argv[1];

    if (mode == "dock" && argc >= 4) {
        const bool top = std::string(argv[2]) == "top";
        const auto thickness = uint32_t(std::atoi(argv[3]));
        const uint32_t w = screen->width_in_pixels, h = screen->height_in_pixels;
        const int y = top ? 0 : int(h - thickness);
        const xcb_window_t window = create(screen, 0, y, int(w), int(thickness));
        setUserGeometry(window, 0, y, int(w), int(thickness));
        setAtom(window, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DOCK");
        uint32_t strut[12] = {};
        strut[top ? 2 : 3] = thickness;
        strut[top ? 9 : 11] = w - 1;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_STRUT_PARTIAL"),
                            XCB_ATOM_CARDINAL, 32, 12, strut);
        xcb_map_window(c, window);
        std::printf("%u\n", window);
    } else if (mode == "window" && argc >= 6) {
        const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
        const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
        const int count = argc >= 7 ? std::atoi(argv[6]) : 1;
        const bool plain = argc < 8 || std::string(argv[7]) != "decorated";
        for (int i = 0; i < count; ++i) {
            const xcb_window_t window = create(screen, x, y, w, h);
            setAtom(window, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL");
            setUserGeometry(window, x, y, w, h);
            if (plain) {
                const uint32_t motif[5] = {2, 0, 0, 0, 0}; // decorations: none
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom("_MOTIF_WM_HINTS"),
                                    atom("_MOTIF_WM_HINTS"), 32, 5, motif);
            }
            xcb_map_window(c, window);
            std::printf("%u\n", window);
        }
    } else {
        return 2;
    }
    std::fflush(stdout);
    xcb_flush(c);
    pause();
    return 0;
}
