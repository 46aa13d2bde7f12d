# SPDX-License-Identifier: MIT
# keylight_translations(<target> <ts file> PREFIX <resource prefix> FROM <targets...>)
#
# Every build extracts the texts of the FROM targets' sources (lupdate) into a copy of the
# translator's .ts file in the build tree, compiles that copy (lrelease) and compiles the
# .qm into <target>'s resources under PREFIX. The copy holds every text the sources have:
# those the translator's file lacks are there as unfinished, which the translation test
# reports. `cmake --build <build> --target update-translations` merges them into the
# translator's file in the source tree, ready to be translated.
find_package(Qt${KEYLIGHT_QT_MAJOR} ${KEYLIGHT_QT_MINIMUM} REQUIRED COMPONENTS LinguistTools)

if(NOT TARGET update-translations)
    add_custom_target(update-translations)
endif()

function(keylight_translations target ts)
    cmake_parse_arguments(ARG "" "PREFIX" "FROM" ${ARGN})
    set(sources)
    foreach(from IN LISTS ARG_FROM)
        get_target_property(dir ${from} SOURCE_DIR)
        get_target_property(listed ${from} SOURCES)
        foreach(source IN LISTS listed)
            if(source MATCHES "\\.(cpp|h|ui)$")
                get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${dir}")
                list(APPEND sources "${source}")
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES sources)

    get_filename_component(name "${ts}" NAME_WE)
    set(work "${CMAKE_CURRENT_BINARY_DIR}/translations")
    set(extracted "${work}/${name}.ts")
    set(qm "${work}/${name}.qm")
    set(sourceList "${work}/${name}.sources")
    string(REPLACE ";" "\n" sourceLines "${sources}")
    file(WRITE "${sourceList}" "${sourceLines}\n")
    set(lupdateOptions -silent -locations none -I "${PROJECT_SOURCE_DIR}")

    add_custom_command(OUTPUT "${extracted}"
        COMMAND ${CMAKE_COMMAND} -E copy "${ts}" "${extracted}"
        COMMAND Qt${KEYLIGHT_QT_MAJOR}::lupdate ${lupdateOptions} "@${sourceList}" -ts "${extracted}"
        DEPENDS "${ts}" ${sources}
        COMMENT "Extracting the texts of ${name}"
        VERBATIM)
    add_custom_command(OUTPUT "${qm}"
        COMMAND Qt${KEYLIGHT_QT_MAJOR}::lrelease -silent "${extracted}" -qm "${qm}"
        DEPENDS "${extracted}"
        COMMENT "Compiling the translation ${name}"
        VERBATIM)

    set(qrc "${work}/${name}.qrc")
    file(WRITE "${qrc}" "<RCC>\n    <qresource prefix=\"${ARG_PREFIX}\">\n"
                        "        <file alias=\"${name}.qm\">${qm}</file>\n"
                        "    </qresource>\n</RCC>\n")
    set_source_files_properties("${qrc}" PROPERTIES SKIP_AUTORCC ON)
    qt_add_resources(compiled "${qrc}" OPTIONS -name "${name}_translations")
    set_source_files_properties(${compiled} PROPERTIES OBJECT_DEPENDS "${qm}")
    target_sources(${target} PRIVATE ${compiled})
    set_property(GLOBAL APPEND PROPERTY KEYLIGHT_EXTRACTED_TRANSLATIONS "${extracted}")

    # Texts no longer in the sources leave the translator's file too.
    add_custom_target(update-translation-${name}
        COMMAND Qt${KEYLIGHT_QT_MAJOR}::lupdate ${lupdateOptions} -no-obsolete "@${sourceList}" -ts "${ts}"
        COMMENT "Merging the texts of ${name} into ${ts}"
        VERBATIM)
    add_dependencies(update-translations update-translation-${name})
endfunction()
