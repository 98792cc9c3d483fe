# Wayland protocol code, generated at build time from the XML that Debian's
# packages install: libwayland-dev (wayland-scanner), wayland-protocols, and
# librust-wayland-protocols-dev for the wlroots protocols.
pkg_check_modules(WAYLAND REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
file(GLOB WLR_PROTOCOLS_DIRS /usr/share/cargo/registry/wayland-protocols-*/wlr-protocols/unstable)
find_file(LAYER_SHELL_XML wlr-layer-shell-unstable-v1.xml PATHS ${WLR_PROTOCOLS_DIRS}
    NO_DEFAULT_PATH REQUIRED)
find_file(VIRTUAL_POINTER_XML wlr-virtual-pointer-unstable-v1.xml PATHS ${WLR_PROTOCOLS_DIRS}
    NO_DEFAULT_PATH REQUIRED)

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
