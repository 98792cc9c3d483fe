// How long after a settings file is renamed into place its banner shows the
// change: the banner's strip is read from the X server, the file renamed,
// and the strip read again every millisecond until it differs.
//   rename_to_screen NEW-FILE SETTINGS-FILE X Y WIDTH HEIGHT
// Prints the milliseconds, or "timeout" after 5 s.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string strip(xcb_connection_t* c, xcb_window_t root, int16_t x, int16_t y, uint16_t w,
                  uint16_t h) {
    auto* reply = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, x, y, w, h, ~0u), nullptr);
    if (!reply)
        return {};
    std::string pixels(reinterpret_cast<const char*>(xcb_get_image_data(reply)),
                       xcb_get_image_data_length(reply));
    std::free(reply);
    return pixels;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s NEW-FILE SETTINGS-FILE X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const auto x = int16_t(std::atoi(argv[3])), y = int16_t(std::atoi(argv[4]));
    const auto w = uint16_t(std::atoi(argv[5])), h = uint16_t(std::atoi(argv[6]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::string before = strip(c, root, x, y, w, h);
    const auto start = std::chrono::steady_clock::now();
    if (std::rename(argv[1], argv[2]) != 0) {
        std::perror("rename");
        return 1;
    }
    for (;;) {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (strip(c, root, x, y, w, h) != before) {
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            return 0;
        }
        if (elapsed > std::chrono::seconds(5)) {
            std::printf("timeout\n");
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
