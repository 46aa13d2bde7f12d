# SPDX-License-Identifier: MIT
# cmake -DFILE=<file> -P validate.cmake
# Checks a .desktop file with desktop-file-validate or a metainfo file with appstreamcli and
# fails on any complaint, warnings and hints included. Without the validator it prints SKIP,
# which the test's SKIP_REGULAR_EXPRESSION reports as skipped.
if(FILE MATCHES "\\.desktop$")
    set(tool desktop-file-validate)
    set(options "")
else()
    set(tool appstreamcli)
    # --no-net: the test must pass offline. --strict: infos and warnings fail too.
    set(options validate --no-net --strict)
endif()

find_program(validator ${tool})
if(NOT validator)
    message("SKIP: ${tool} is not installed")
    return()
endif()

execute_process(COMMAND ${validator} ${options} ${FILE}
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
# desktop-file-validate exits with 0 after warnings and hints; it is silent on a clean file.
if(NOT result EQUAL 0 OR (tool STREQUAL "desktop-file-validate" AND NOT report STREQUAL ""))
    message(FATAL_ERROR "${tool} rejects ${FILE} (exit ${result}):\n${report}")
endif()
message("${report}")
