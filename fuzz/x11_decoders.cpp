// What other X clients write and the server reports, as the banner decodes
// it: a published place, a strut, a window's frame extents. Whatever the
// values, a banner stays on its screen, reserves nothing past the root, and
// no arithmetic overflows.
#include "banner/Placement.h"
#include "banner/Stacking.h"
#include "FuzzTarget.h"
#include "platform/StrutGeometry.h"
#include "platform/x11/X11Decoders.h"
#include "spaceguard/NudgeRule.h"

#include <cstring>
#include <vector>

namespace {

const QSize root(1920, 1080);
const ScreenInfo screen{QStringLiteral("eDP-1"), QRect(QPoint(0, 0), root), 1.0};

std::vector<uint32_t> words(const uint8_t* data, size_t size) {
    std::vector<uint32_t> values(size / 4);
    if (!values.empty())
        std::memcpy(values.data(), data, values.size() * 4);
    return values;
}

std::vector<uint32_t> first(const std::vector<uint32_t>& values, size_t count) {
    return {values.begin(), values.begin() + std::ptrdiff_t(std::min(count, values.size()))};
}

void place(const std::vector<uint32_t>& values) {
    const auto published = decodePlace(values);
    if (!published)
        return;
    FUZZ_REQUIRE(encodePlace(*published) == values);
    for (const bool top : {true, false}) {
        const QRect own(0, top ? 0 : 1052, 1920, 28);
        bool full = false;
        const int offset = stackOffset({top, own}, screen.geometry, {published->place}, &full);
        FUZZ_REQUIRE(offset >= 0 &&
                     screen.geometry.contains(own.translated(0, top ? offset : -offset)));
    }
}

void strut(const std::vector<uint32_t>& values) {
    const auto reserved = reservedStrut({}, values, first(values, 4), root);
    const QRect available =
        availableArea(screen, root, reserved ? QList{*reserved} : QList<Strut>{});
    FUZZ_REQUIRE(screen.geometry.contains(available));
    BannerSettings settings;
    for (const BannerPosition position : {BannerPosition::top, BannerPosition::bottomRight}) {
        settings.position = position;
        const QRect banner = bannerRect(settings, screen, available);
        FUZZ_REQUIRE(screen.geometry.contains(banner));
        if (const auto own = bannerStrut(banner, isTop(position), root, {}))
            FUZZ_REQUIRE((*own)[Strut::Edge::top].depth <= 1080u &&
                         (*own)[Strut::Edge::bottom].depth <= 1080u);
    }
}

void frame(const std::vector<uint32_t>& values) {
    std::array<xcb_atom_t, X11Atoms::Count> ids{};
    for (size_t i = 0; i < ids.size(); ++i)
        ids[i] = xcb_atom_t(i + 1);
    const X11Atoms atoms(ids);
    // A client rectangle as the server reports one: 16-bit place and size.
    const auto at = [&](size_t i) { return i < values.size() ? values[i] : 0u; };
    const QRect client(int16_t(at(4)), int16_t(at(5)), uint16_t(at(6)), uint16_t(at(7)));
    const WindowFacts facts{first(values, 1), {}, {}, first(values, 4), client};
    const auto window = nudgeableWindow(1, facts, atoms);
    if (!window)
        return;
    const ClientWindow framed = framedBy(
        *window, QRect(int16_t(at(8)), int16_t(at(9)), uint16_t(at(10)), uint16_t(at(11))));
    nudgeFor(QRect(0, 0, 1920, 28), true, framed.frame);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint32_t> values = words(data, size);
    place(values);
    strut(values);
    frame(values);
    return 0;
}
