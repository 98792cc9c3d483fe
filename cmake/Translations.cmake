# The program's translations: translations/vorlane_<language>.ts, made into
# .qm files by lrelease at build time (Debian: qt6-l10n-tools) and carried
# inside the program as the resource :/i18n/vorlane_<language>.qm, which
# installTranslations() loads. The update_translations target runs lupdate
# over the sources, bringing every .ts file up to date for its translator.
find_program(VORLANE_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)
find_program(VORLANE_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)

function(vorlane_add_translations target resource_name)
    file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    set(qm_files "")
    set(entries "")
    foreach(ts IN LISTS ts_files)
        get_filename_component(name ${ts} NAME_WE)
        add_custom_command(OUTPUT ${folder}/${name}.qm
            COMMAND ${VORLANE_LRELEASE} -silent ${ts} -qm ${folder}/${name}.qm
            DEPENDS ${ts} VERBATIM)
        list(APPEND qm_files ${folder}/${name}.qm)
        string(APPEND entries "    <file>${name}.qm</file>\n")
    endforeach()
    file(CONFIGURE OUTPUT ${folder}/${resource_name}.qrc CONTENT
        "<RCC>\n  <qresource prefix=\"/i18n\">\n${entries}  </qresource>\n</RCC>\n")
    # rcc by hand, not AUTORCC: the .qm files exist only once lrelease ran.
    add_custom_command(OUTPUT ${folder}/qrc_${resource_name}.cpp
        COMMAND Qt6::rcc --name ${resource_name} ${folder}/${resource_name}.qrc
            -o ${folder}/qrc_${resource_name}.cpp
        DEPENDS ${folder}/${resource_name}.qrc ${qm_files} VERBATIM)
    set_source_files_properties(${folder}/qrc_${resource_name}.cpp PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${folder}/qrc_${resource_name}.cpp)

    add_custom_target(update_translations
        COMMAND ${VORLANE_LUPDATE} -no-obsolete -locations none ${CMAKE_CURRENT_SOURCE_DIR}
            -ts ${ts_files}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endfunction()
