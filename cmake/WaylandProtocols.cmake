# Wayland protocol code, generated at build time from the XML that the
# system's packages install: wayland-scanner (Debian: libwayland-dev),
# wayland-protocols, and the wlroots protocols, which are looked for in
#   1. the folder given as -DWLR_PROTOCOLS_DIR=... (or its unstable/);
#   2. the wlr-protocols package, found through pkg-config (Arch, Fedora);
#   3. Debian's copy in librust-wayland-protocols-dev.
pkg_check_modules(WAYLAND REQUIRED IMPORTED_TARGET wayland-client xkbcommon)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
set(WLR_PROTOCOLS_DIR "" CACHE PATH "A folder holding the wlroots protocols (in it or in unstable/)")
if(WLR_PROTOCOLS_DIR)
    set(wlr_protocol_dirs ${WLR_PROTOCOLS_DIR}/unstable ${WLR_PROTOCOLS_DIR})
else()
    pkg_get_variable(wlr_protocols_package wlr-protocols pkgdatadir)
    file(GLOB wlr_protocols_debian
        /usr/share/cargo/registry/wayland-protocols-*/wlr-protocols/unstable)
    set(wlr_protocol_dirs ${wlr_protocols_package}/unstable ${wlr_protocols_debian})
endif()
function(vorlane_find_wlr_protocol variable file)
    find_file(found ${file} PATHS ${wlr_protocol_dirs} NO_DEFAULT_PATH NO_CACHE)
    if(NOT found)
        message(FATAL_ERROR "${file} not found in: ${wlr_protocol_dirs}. Install the wlroots "
            "protocols (Debian: librust-wayland-protocols-dev; elsewhere: wlr-protocols) or name "
            "their folder with -DWLR_PROTOCOLS_DIR=...")
    endif()
    set(${variable} ${found} PARENT_SCOPE)
endfunction()
vorlane_find_wlr_protocol(LAYER_SHELL_XML wlr-layer-shell-unstable-v1.xml)
vorlane_find_wlr_protocol(VIRTUAL_POINTER_XML wlr-virtual-pointer-unstable-v1.xml)

# Generates the client header and code of one protocol into protocols/ of
# the current build folder and appends both to the list named by sources.
function(vorlane_wayland_protocol xml name sources)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/protocols)
    set(header ${dir}/${name}-client-protocol.h)
    set(code ${dir}/${name}-protocol.c)
    add_custom_command(OUTPUT ${header} ${code}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${header}
        COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${code}
        DEPENDS ${xml} VERBATIM)
    set_source_files_properties(${code} PROPERTIES COMPILE_OPTIONS -w)
    set(${sources} ${${sources}} ${header} ${code} PARENT_SCOPE)
endfunction()
