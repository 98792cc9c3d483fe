// Another program's dock for the desktop tests: a window of dock type along
// one edge of the root window that reserves its strip with a strut.
//   fake_dock top|bottom <thickness>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const bool top = std::string(argv[1]) == "top";
    const auto thickness = uint32_t(std::atoi(argv[2]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t w = screen->width_in_pixels, h = screen->height_in_pixels;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel};
    const int16_t y = top ? 0 : int16_t(h - thickness);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, y, uint16_t(w),
                      uint16_t(thickness), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL, values);
    const xcb_atom_t dock = atom(c, "_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &dock);
    uint32_t strut[12] = {};
    if (top) {
        strut[2] = thickness;
        strut[9] = w - 1;
    } else {
        strut[3] = thickness;
        strut[11] = w - 1;
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_STRUT_PARTIAL"),
                        XCB_ATOM_CARDINAL, 32, 12, strut);
    xcb_map_window(c, window);
    xcb_flush(c);
    pause();
    return 0;
}
