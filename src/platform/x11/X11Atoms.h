#pragma once

#include <xcb/xcb.h>

#include <array>

// Every atom the program uses, interned once, all requests sent before the
// first reply is read.
class X11Atoms {
public:
    enum Name {
        NetWmWindowType,
        NetWmWindowTypeDock,
        NetWmWindowTypeNormal,
        NetWmWindowTypeDialog,
        NetWmState,
        NetWmStateAbove,
        NetWmStateSticky,
        NetWmStateSkipTaskbar,
        NetWmStateSkipPager,
        NetWmStateFullscreen,
        NetWmStateHidden,
        NetWmDesktop,
        NetWmPid,
        NetWmStrut,
        NetWmStrutPartial,
        NetClientList,
        NetActiveWindow,
        NetWorkarea,
        NetFrameExtents,
        NetMoveresizeWindow,
        WmProtocols,
        WmTakeFocus,
        VorlaneBanner, // marks a banner window: never moved, its strut not foreign
        VorlanePlace,  // a banner's place, for the others to stack beyond
        Count
    };

    explicit X11Atoms(xcb_connection_t* connection);
    // Given values (for tests of what reads them).
    explicit X11Atoms(const std::array<xcb_atom_t, Count>& atoms)
        : m_atoms(atoms) {}
    xcb_atom_t operator[](Name name) const { return m_atoms[name]; }

private:
    std::array<xcb_atom_t, Count> m_atoms{};
};
