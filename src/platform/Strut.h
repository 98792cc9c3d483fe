#pragma once

#include <QSize>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

// The space a window reserves along the root window's outer edges, in device
// pixels: per edge, how deep it reaches in from that edge, and the first and
// last pixel it covers along it.
struct Strut {
    enum class Edge { left, right, top, bottom };
    struct Band {
        std::uint32_t depth = 0, start = 0, end = 0;
        friend bool operator==(const Band&, const Band&) = default;
    };

    std::array<Band, 4> bands{}; // indexed by Edge

    const Band& operator[](Edge e) const { return bands[static_cast<std::size_t>(e)]; }
    void setEdge(Edge e, std::uint32_t depth, std::uint32_t start, std::uint32_t end) {
        bands[static_cast<std::size_t>(e)] = {depth, start, end};
    }
    bool isEmpty() const {
        return std::all_of(bands.begin(), bands.end(), [](const Band& b) { return !b.depth; });
    }
    friend bool operator==(const Strut&, const Strut&) = default;

    // _NET_WM_STRUT_PARTIAL: the four depths (left, right, top, bottom), then
    // start and end along each edge in the same order.
    std::array<std::uint32_t, 12> partial() const {
        std::array<std::uint32_t, 12> v{};
        for (std::size_t e = 0; e < 4; ++e) {
            v[e] = bands[e].depth;
            v[4 + 2 * e] = bands[e].start;
            v[5 + 2 * e] = bands[e].end;
        }
        return v;
    }
    static Strut fromPartial(std::span<const std::uint32_t, 12> v) {
        Strut s;
        for (std::size_t e = 0; e < 4; ++e)
            s.bands[e] = {v[e], v[4 + 2 * e], v[5 + 2 * e]};
        return s;
    }
    // _NET_WM_STRUT: the four depths; each band spans its whole edge.
    static Strut fromPlain(std::span<const std::uint32_t, 4> depths, const QSize& root) {
        const auto w = static_cast<std::uint32_t>(std::max(root.width() - 1, 0));
        const auto h = static_cast<std::uint32_t>(std::max(root.height() - 1, 0));
        Strut s;
        for (std::size_t e = 0; e < 4; ++e) {
            if (depths[e])
                s.bands[e] = {depths[e], 0, e < 2 ? h : w};
        }
        return s;
    }
};
