#pragma once

// What the X server's replies mean to the banner, as pure functions of the
// values they hold (property values as 32-bit lists, rectangles in root
// coordinates), so that they can be checked on recorded replies.
#include "platform/OtherWindows.h"
#include "platform/x11/X11Atoms.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// What the server said of one client window.
struct WindowFacts {
    std::vector<uint32_t> type, state, banner, frameExtents;
    std::optional<QRect> client; // in root coordinates; nothing when it could not be read
};

// A window the banner may move, with its frame from _NET_FRAME_EXTENTS;
// nothing for a window that is not normal or a dialog (its first type is
// the one it prefers, no type means normal), a fullscreen or hidden one, a
// banner's, or one that is gone.
std::optional<ClientWindow> nudgeableWindow(uint32_t id, const WindowFacts& facts,
                                            const X11Atoms& atoms);
// Whether the window's _NET_FRAME_EXTENTS can be a frame's; a window with
// widths no frame has (beyond 16 bits) counts as publishing none.
bool publishesFrameExtents(const WindowFacts& facts);

// Where a window manager publishes no frame extents (i3), the frame is the
// client's ancestor among the root's children: it places the client, and
// its rectangle is the window's frame when it holds the client.
ClientWindow framedBy(ClientWindow window, const QRect& ancestor);

// The space a window reserves: its _NET_WM_STRUT_PARTIAL, else its
// _NET_WM_STRUT (along whole edges of a root of the given size); nothing for
// a banner's window, or one that reserves nothing.
std::optional<Strut> reservedStrut(const std::vector<uint32_t>& banner,
                                   const std::vector<uint32_t>& partial,
                                   const std::vector<uint32_t>& plain, const QSize& root);

// A banner's place as it publishes it, with what orders the banners: when
// its process started (milliseconds since the epoch), then its process id.
struct PublishedPlace {
    qint64 startedMs = 0;
    uint32_t pid = 0;
    BannerPlace place;

    bool startedBefore(const PublishedPlace& other) const {
        return std::pair(startedMs, pid) < std::pair(other.startedMs, other.pid);
    }
};
std::vector<uint32_t> encodePlace(const PublishedPlace& published);
// Nothing for a value of another length, an edge other than 0 (bottom) or
// 1 (top), or a frame no X window can have.
std::optional<PublishedPlace> decodePlace(const std::vector<uint32_t>& values);
