# An install into a fresh prefix holds everything the game and Pavrel's users need, nothing of
# the build's own tools, and the installed game finds all its data from an unrelated folder,
# before and after the whole tree is moved.

function(fail)
    message(FATAL_ERROR "install tree: ${ARGN}")
endfunction()

function(expect_in what haystack needle)
    string(FIND "${haystack}" "${needle}" at)
    if(at EQUAL -1)
        fail("${what}: \"${needle}\" not in:\n${haystack}")
    endif()
endfunction()

# Runs the self-check of the game under `prefix` from the root folder.
function(self_check prefix)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                            "${prefix}/${BINDIR}/tolvanis" --check-data
                    WORKING_DIRECTORY / TIMEOUT 60
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        fail("the game under ${prefix} failed its self-check (${rc}):\n${out}\n${err}")
    endif()
    foreach(name IN LISTS data_files)
        expect_in("self-check" "${out}" "found ${prefix}/${DATADIR}/tolvanis/${name}\n")
    endforeach()
    expect_in("self-check" "${out}" "help opened ${prefix}/${DATADIR}/tolvanis/tolvanis.html")
    expect_in("self-check" "${out}" "sound vrkmup played")
endfunction()

string(REPLACE "," ";" data_files "${DATA_FILES}")
set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    fail("cmake --install failed:\n${err}")
endif()

set(expected
    "${BINDIR}/tolvanis"
    "${LIBDIR}/libpavrel.so.1"
    "${LIBDIR}/libpavrel.so"
    "${INCLUDEDIR}/pavrel/Pavrel.h"
    "${INCLUDEDIR}/pavrel/pavrel_export.h"
    "${LIBDIR}/cmake/Pavrel/PavrelConfig.cmake"
    "${LIBDIR}/cmake/Pavrel/PavrelConfigVersion.cmake"
    "${LIBDIR}/cmake/Pavrel/PavrelTargets.cmake"
    "${LIBDIR}/pkgconfig/pavrel.pc"
    "${PLUGINDIR}/libpavrel_designer.so")
foreach(name IN LISTS data_files)
    list(APPEND expected "${DATADIR}/tolvanis/${name}")
endforeach()
string(REPLACE "," ";" extra_files "${EXTRA_FILES}")
list(APPEND expected ${extra_files})
foreach(path IN LISTS expected)
    if(NOT EXISTS "${prefix}/${path}")
        fail("${path} was not installed")
    endif()
endforeach()

# The game is the only program; build tools, tests and the simulator stay in the build.
file(GLOB programs RELATIVE "${prefix}/${BINDIR}" "${prefix}/${BINDIR}/*")
if(NOT programs STREQUAL "tolvanis")
    fail("${BINDIR} holds ${programs}, expected tolvanis only")
endif()

# The link-time name and the SONAME link point at the one real file.
file(READ_SYMLINK "${prefix}/${LIBDIR}/libpavrel.so.1" soname_target)
file(READ_SYMLINK "${prefix}/${LIBDIR}/libpavrel.so" namelink_target)
if(NOT namelink_target STREQUAL "libpavrel.so.1" OR NOT soname_target MATCHES "^libpavrel\\.so\\.1\\.")
    fail("library links: libpavrel.so -> ${namelink_target}, libpavrel.so.1 -> ${soname_target}")
endif()
execute_process(COMMAND objdump -p "${prefix}/${LIBDIR}/libpavrel.so.1" OUTPUT_VARIABLE dyn)
expect_in("libpavrel.so.1" "${dyn}" "SONAME               libpavrel.so.1\n")

self_check("${prefix}")
file(RENAME "${prefix}" "${WORK_DIR}/moved")
self_check("${WORK_DIR}/moved")
file(REMOVE_RECURSE "${WORK_DIR}")
