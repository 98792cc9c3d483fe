#include "platform/x11/X11Decoders.h"

#include <algorithm>
#include <span>

namespace {

bool contains(const std::vector<uint32_t>& list, xcb_atom_t atom) {
    return std::find(list.begin(), list.end(), atom) != list.end();
}

} // namespace

bool publishesFrameExtents(const WindowFacts& facts) {
    // Four widths, each one a frame can have: any client may write them.
    const auto& e = facts.frameExtents;
    return e.size() >= 4 &&
           std::all_of(e.begin(), e.begin() + 4, [](uint32_t w) { return w <= 32767; });
}

std::optional<ClientWindow> nudgeableWindow(uint32_t id, const WindowFacts& facts,
                                            const X11Atoms& atoms) {
    const auto& type = facts.type;
    const bool ordinary = type.empty() || type[0] == atoms[X11Atoms::NetWmWindowTypeNormal] ||
                          type[0] == atoms[X11Atoms::NetWmWindowTypeDialog];
    if (!ordinary || !facts.banner.empty() || !facts.client ||
        contains(facts.state, atoms[X11Atoms::NetWmStateFullscreen]) ||
        contains(facts.state, atoms[X11Atoms::NetWmStateHidden]))
        return std::nullopt;
    // _NET_FRAME_EXTENTS: left, right, top, bottom.
    const auto& e = facts.frameExtents;
    const QMargins frame = publishesFrameExtents(facts)
                               ? QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]))
                               : QMargins();
    return ClientWindow{id, facts.client->marginsAdded(frame), frame, false};
}

ClientWindow framedBy(ClientWindow window, const QRect& ancestor) {
    const QRect client = window.frame;
    if (!ancestor.isValid() || !ancestor.contains(client))
        return window;
    window.frame = ancestor;
    window.frameExtents =
        QMargins(client.left() - ancestor.left(), client.top() - ancestor.top(),
                 ancestor.right() - client.right(), ancestor.bottom() - client.bottom());
    window.placesClient = true;
    return window;
}

std::optional<Strut> reservedStrut(const std::vector<uint32_t>& banner,
                                   const std::vector<uint32_t>& partial,
                                   const std::vector<uint32_t>& plain, const QSize& root) {
    if (!banner.empty())
        return std::nullopt;
    Strut strut;
    if (partial.size() >= 12)
        strut = Strut::fromPartial(std::span(partial).first<12>());
    else if (plain.size() >= 4)
        strut = Strut::fromPlain(std::span(plain).first<4>(), root);
    return strut.isEmpty() ? std::nullopt : std::optional(strut);
}

std::vector<uint32_t> encodePlace(const PublishedPlace& p) {
    const QRect& f = p.place.frame;
    return {uint32_t(quint64(p.startedMs) >> 32),
            uint32_t(quint64(p.startedMs)),
            p.pid,
            uint32_t(p.place.top),
            uint32_t(f.x()),
            uint32_t(f.y()),
            uint32_t(f.width()),
            uint32_t(f.height())};
}

std::optional<PublishedPlace> decodePlace(const std::vector<uint32_t>& v) {
    // Any client may write it: an edge other than 0 or 1, or a frame no X
    // window can have (a position beyond 16 bits, an empty or larger size),
    // is no banner's.
    const auto coordinate = [](uint32_t c) { return int32_t(c) >= -32768 && int32_t(c) <= 32767; };
    const auto size = [](uint32_t s) { return s >= 1 && s <= 65535; };
    if (v.size() != 8 || v[3] > 1 || !coordinate(v[4]) || !coordinate(v[5]) || !size(v[6]) ||
        !size(v[7]))
        return std::nullopt;
    PublishedPlace p;
    p.startedMs = qint64((quint64(v[0]) << 32) | v[1]);
    p.pid = v[2];
    p.place = {v[3] != 0, QRect(int32_t(v[4]), int32_t(v[5]), int32_t(v[6]), int32_t(v[7]))};
    return p;
}
