# SPDX-License-Identifier: MIT
# cmake -DBUILD=<build tree> -DPREFIX=<scratch folder> -DVERSION=<project version>
#       -P installed.cmake
# Installs the desktop component into PREFIX and checks that exactly the expected files land
# where desktops and software centres look for them, that every PNG is as large as its
# folder says, that the menu entry names the icon, and that the metainfo has a release entry
# for the project's version.
set(app org.keylight.KeyLight)
set(sizes 16 24 32 48 64 128 256)
set(expected
    share/applications/${app}.desktop
    share/icons/hicolor/scalable/apps/${app}.svg
    share/metainfo/${app}.metainfo.xml)
foreach(size IN LISTS sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app}.png)
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
        ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} --component desktop
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " installed "${installed}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# A PNG starts with its 8-byte signature and the IHDR chunk: length, type, width, height,
# four bytes each, big-endian.
set(png_signature 89504e470d0a1a0a)
set(ihdr_type 49484452)
foreach(size IN LISTS sizes)
    set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${app}.png)
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 24 8 type)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    if(NOT signature STREQUAL png_signature OR NOT type STREQUAL ihdr_type)
        message(FATAL_ERROR "${png} is not a PNG file")
    endif()
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/${app}.desktop icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${app}")
    message(FATAL_ERROR "the menu entry says ${icon}, not Icon=${app}")
endif()

file(READ ${PREFIX}/share/metainfo/${app}.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" release)
if(release EQUAL -1)
    message(FATAL_ERROR "the metainfo has no release entry for version ${VERSION}")
endif()
