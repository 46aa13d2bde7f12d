# SPDX-License-Identifier: MIT
# Finds the Qt to build with, for the main tree and for the fuzz targets alike: set
# KEYLIGHT_QT_COMPONENTS first. Sets KEYLIGHT_QT_MAJOR (5 or 6) and KEYLIGHT_QT_MINIMUM.
# Qt 6 when found, Qt 5.15 otherwise, one tree for both. KEYLIGHT_QT=5 or 6 in the
# environment, or -DKEYLIGHT_QT_MAJOR=5|6, chooses. The targets are Qt's versionless ones
# (Qt::Core, ...).
if(NOT DEFINED KEYLIGHT_QT_MAJOR)
    if(DEFINED ENV{KEYLIGHT_QT} AND NOT "$ENV{KEYLIGHT_QT}" STREQUAL "")
        set(KEYLIGHT_QT_MAJOR $ENV{KEYLIGHT_QT})
    else()
        find_package(Qt6 6.4 QUIET COMPONENTS ${KEYLIGHT_QT_COMPONENTS} LinguistTools)
        if(Qt6_FOUND)
            set(KEYLIGHT_QT_MAJOR 6)
        else()
            set(KEYLIGHT_QT_MAJOR 5)
        endif()
    endif()
endif()
set(KEYLIGHT_QT_MAJOR ${KEYLIGHT_QT_MAJOR} CACHE STRING "Qt major version to build with: 5 or 6")
if(KEYLIGHT_QT_MAJOR STREQUAL "6")
    set(KEYLIGHT_QT_MINIMUM 6.4)
elseif(KEYLIGHT_QT_MAJOR STREQUAL "5")
    set(KEYLIGHT_QT_MINIMUM 5.15)
else()
    message(FATAL_ERROR "KEYLIGHT_QT_MAJOR is ${KEYLIGHT_QT_MAJOR}; it takes 5 or 6")
endif()
find_package(Qt${KEYLIGHT_QT_MAJOR} ${KEYLIGHT_QT_MINIMUM} REQUIRED
             COMPONENTS ${KEYLIGHT_QT_COMPONENTS})
message(STATUS "KeyLight builds with Qt ${Qt${KEYLIGHT_QT_MAJOR}_VERSION}")
