// What the X server's replies mean to the banner, on values recorded from real
// servers: which windows it may move, their frames, the space docks reserve.
#include "platform/x11/X11Decoders.h"
#include "support/TestEnvironment.h"

class X11Test : public QObject {
    Q_OBJECT
    // Atoms as a server numbers them: a name's atom is 100 + its place.
    const X11Atoms atoms = [] {
        std::array<xcb_atom_t, X11Atoms::Count> values{};
        for (int i = 0; i < X11Atoms::Count; ++i)
            values[i] = 100 + xcb_atom_t(i);
        return X11Atoms(values);
    }();

private slots:
    void clientWindows() {
        using A = X11Atoms;
        // An xterm under openbox: no type, frame extents 1, 1, 20, 5.
        const auto xterm =
            nudgeableWindow(7, {{}, {}, {}, {1, 1, 20, 5}, QRect(301, 25, 484, 316)}, atoms);
        QVERIFY(xterm && xterm->frame == QRect(300, 5, 486, 341) && !xterm->placesClient);
        QCOMPARE(xterm->frameExtents, QMargins(1, 20, 1, 5));
        // Left alone: a window whose first (preferred) type is not normal or
        // dialog, a fullscreen or hidden one, a banner's, one gone meanwhile.
        const uint32_t normal = atoms[A::NetWmWindowTypeNormal],
                       dock = atoms[A::NetWmWindowTypeDock];
        const QRect r(0, 0, 9, 9);
        for (const auto& [facts, moved] : std::initializer_list<std::pair<WindowFacts, bool>>{
                 {{{atoms[A::NetWmWindowTypeDialog]}, {}, {}, {}, r}, true},
                 {{{normal, dock}, {}, {}, {}, r}, true},
                 {{{dock, normal}, {}, {}, {}, r}, false},
                 {{{999}, {}, {}, {}, r}, false},
                 {{{}, {atoms[A::NetWmStateAbove], atoms[A::NetWmStateFullscreen]}, {}, {}, r},
                  false},
                 {{{}, {atoms[A::NetWmStateHidden]}, {}, {}, r}, false},
                 {{{}, {}, {1}, {}, r}, false},
                 {{{}, {}, {}, {}, std::nullopt}, false}})
            QCOMPARE(nudgeableWindow(7, facts, atoms).has_value(), moved);
        // i3 publishes no extents: the frame is the ancestor that holds the client.
        const WindowFacts bare{{}, {}, {}, {}, QRect(302, 20, 496, 378)};
        const ClientWindow client = *nudgeableWindow(8, bare, atoms);
        const ClientWindow framed = framedBy(client, QRect(300, 0, 500, 400));
        QVERIFY(!publishesFrameExtents(bare) && framed.placesClient);
        QVERIFY(!publishesFrameExtents({{}, {}, {}, {1, 1, 0x80000000u, 5}, r})); // no frame's
        QCOMPARE(framed.frameExtents, QMargins(2, 20, 2, 2));
        QCOMPARE(framedBy(client, QRect(400, 0, 100, 100)).frame, client.frame); // not its frame
    }

    void reservedSpace() {
        // A 30-pixel bottom panel, in the partial and the old form.
        const std::vector<uint32_t> partial{0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 1279};
        Strut bottom;
        bottom.setEdge(Strut::Edge::bottom, 30, 0, 1279);
        const QSize root(1280, 720);
        QCOMPARE(reservedStrut({}, partial, {0, 0, 0, 24}, root), bottom); // partial first
        // The old form's bands span their whole edge.
        const std::array<uint32_t, 12> old{20, 0, 10, 30, 0, 719, 0, 0, 0, 1279, 0, 1279};
        QCOMPARE(reservedStrut({}, {}, {20, 0, 10, 30}, root), Strut::fromPartial(old));
        QCOMPARE(Strut::fromPartial(old).partial(), old); // written as read, every edge
        QCOMPARE(reservedStrut({1}, partial, {}, root), std::nullopt); // a banner's
        QCOMPARE(reservedStrut({}, std::vector<uint32_t>(12, 0), {}, root), std::nullopt);
        QCOMPARE(reservedStrut({}, {0, 0, 0, 30}, {0, 0}, root), std::nullopt); // too short
    }

    void publishedPlaces() { // any client may write one: only frames an X window can have
        const PublishedPlace p{1765400000123, 4242, {false, QRect(-10, 1052, 1920, 28)}};
        QVERIFY(decodePlace(encodePlace(p))->place == p.place &&
                !decodePlace(encodePlace(p))->startedBefore(p));
        for (const QRect& absurd : {QRect(0, 10, 9, 0), QRect(0, 40000, 9, 9),
                                    QRect(0, 0, 70000, 28), QRect(-40000, 0, 9, 9)})
            QVERIFY(!decodePlace(encodePlace({0, 1, {true, absurd}})));
    }
};

VORLANE_TEST_MAIN(X11Test)
#include "tst_x11.moc"
