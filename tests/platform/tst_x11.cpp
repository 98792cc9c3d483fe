// What the X server's replies mean to the banner, on values recorded from
// real servers: which windows it may move and their frames, and the space
// other docks reserve.
#include "platform/x11/X11Decoders.h"
#include "support/TestEnvironment.h"

namespace {
// Atoms as a server numbers them: a name's atom is 100 + its place.
X11Atoms atoms() {
    std::array<xcb_atom_t, X11Atoms::Count> values{};
    for (int i = 0; i < X11Atoms::Count; ++i)
        values[i] = 100 + xcb_atom_t(i);
    return X11Atoms(values);
}
uint32_t atom(X11Atoms::Name name) {
    return atoms()[name];
}
} // namespace

class X11Test : public QObject {
    Q_OBJECT
private slots:
    void clientWindows() {
        using A = X11Atoms;
        // An xterm under openbox: no type, frame extents 1, 1, 20, 5.
        const WindowFacts xterm{{}, {}, {}, {1, 1, 20, 5}, QRect(301, 25, 484, 316)};
        const auto framed = nudgeableWindow(7, xterm, atoms());
        QVERIFY(framed && framed->frame == QRect(300, 5, 486, 341) && !framed->placesClient);
        QCOMPARE(framed->frameExtents, QMargins(1, 20, 1, 5));
        // Which windows are left alone: the first type is the one a window
        // prefers; others' menus and notifications have types of their own.
        const uint32_t normal = atom(A::NetWmWindowTypeNormal), dock = atom(A::NetWmWindowTypeDock);
        const QRect r(0, 0, 9, 9);
        for (const auto& [facts, moved] : std::initializer_list<std::pair<WindowFacts, bool>>{
                 {{{atom(A::NetWmWindowTypeDialog)}, {}, {}, {}, r}, true},
                 {{{normal, dock}, {}, {}, {}, r}, true},
                 {{{dock, normal}, {}, {}, {}, r}, false},
                 {{{999}, {}, {}, {}, r}, false},
                 {{{}, {atom(A::NetWmStateAbove), atom(A::NetWmStateFullscreen)}, {}, {}, r},
                  false},
                 {{{}, {atom(A::NetWmStateHidden)}, {}, {}, r}, false},
                 {{{}, {}, {1}, {}, r}, false},            // a banner's
                 {{{}, {}, {}, {}, std::nullopt}, false}}) // gone meanwhile
            QCOMPARE(nudgeableWindow(7, facts, atoms()).has_value(), moved);

        // i3: no extents; the frame is the ancestor that holds the client.
        const WindowFacts bare{{}, {}, {}, {}, QRect(302, 20, 496, 378)};
        QVERIFY(!publishesFrameExtents(bare));
        const ClientWindow client = *nudgeableWindow(8, bare, atoms());
        const ClientWindow inFrame = framedBy(client, QRect(300, 0, 500, 400));
        QVERIFY(inFrame.frame == QRect(300, 0, 500, 400) && inFrame.placesClient);
        QCOMPARE(inFrame.frameExtents, QMargins(2, 20, 2, 2));
        QCOMPARE(framedBy(client, QRect(400, 0, 100, 100)).frame, client.frame); // not its frame
        QVERIFY(!framedBy(client, QRect()).placesClient);
    }

    void reservedSpace() {
        const QSize root(1280, 720);
        // A 30-pixel bottom panel (polybar), and the same in the old form.
        const std::vector<uint32_t> partial{0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 1279};
        Strut bottom;
        bottom.setEdge(Strut::Edge::bottom, 30, 0, 1279);
        QCOMPARE(reservedStrut({}, partial, {0, 0, 0, 24}, root), bottom); // partial first
        QCOMPARE(reservedStrut({}, {}, {0, 0, 0, 30}, root), bottom);
        QCOMPARE(reservedStrut({1}, partial, {}, root), std::nullopt); // a banner's
        QCOMPARE(reservedStrut({}, std::vector<uint32_t>(12, 0), {}, root), std::nullopt);
        QCOMPARE(reservedStrut({}, {0, 0, 0, 30}, {0, 0}, root), std::nullopt); // too short
    }
};

VORLANE_TEST_MAIN(X11Test)
#include "tst_x11.moc"
