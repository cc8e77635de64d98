# SPDX-FileCopyrightText: 2026 the KZ Pont authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The guide's pictures: runs the script that remakes them into a fresh folder, then checks that
# every picture the guide links to was made, and is committed beside the guide, and that the guide
# shows the example files' exercise list.
# cmake -DSCRIPT=... -DBUILD_DIR=... -DGUIDE=docs/guide.md -DEXAMPLES=examples -DOUT=folder
#       -P guide_pictures.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env KZ_BUILD_DIR=${BUILD_DIR} bash ${SCRIPT} ${OUT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${SCRIPT} failed: ${result}")
endif()

file(READ ${GUIDE} guide)
string(REGEX MATCHALL "\\(guide/[A-Za-z0-9_-]+\\.png\\)" links "${guide}")
if(NOT links)
    message(FATAL_ERROR "${GUIDE} shows no picture")
endif()
get_filename_component(docs ${GUIDE} DIRECTORY)
foreach(link ${links})
    string(REGEX REPLACE "^\\(guide/(.*)\\)$" "\\1" name "${link}")
    if(NOT EXISTS ${OUT}/${name})
        message(FATAL_ERROR "the script made no ${name}")
    endif()
    if(NOT EXISTS ${docs}/guide/${name})
        message(FATAL_ERROR "${name} is not committed in ${docs}/guide")
    endif()
endforeach()
# The series the guide tells is the example files' own.
file(READ ${EXAMPLES}/pontexos.kz series)
string(REPLACE "\r" "" series "${series}")
string(FIND "${guide}" "```\n${series}```" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${GUIDE} does not show the list of ${EXAMPLES}/pontexos.kz")
endif()
list(LENGTH links count)
message(STATUS "${count} pictures made")
