# The three Debian packages from one cpack run: lintian finds no errors, the unpacked game starts
# from an unrelated folder and finds all its data, the desktop files inside pass their
# validators, and a program outside the tree builds against the unpacked developer package with
# find_package(Pavrel) and with pkg-config, and runs.

function(fail)
    message(FATAL_ERROR "packages: ${ARGN}")
endfunction()

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        fail("${what} failed (${rc}):\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
run("cpack" ${CMAKE_CPACK_COMMAND} --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB
    -B "${WORK_DIR}/debs")
file(GLOB debs "${WORK_DIR}/debs/*.deb")
foreach(package tolvanis libpavrel1 libpavrel-dev)
    if(NOT EXISTS "${WORK_DIR}/debs/${package}_${VERSION}_amd64.deb"
       AND NOT debs MATCHES "/${package}_${VERSION}_[a-z0-9]+\\.deb")
        fail("no ${package} package among: ${debs}")
    endif()
endforeach()

# Lintian: errors fail the test; warnings are shown in the test's output.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    fail("lintian is not installed: run scripts/setup.sh")
endif()
execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian:\n${out}")
if(out MATCHES "(^|\n)E: " OR NOT rc EQUAL 0)
    fail("lintian reports errors (${rc}):\n${out}\n${err}")
endif()

set(root "${WORK_DIR}/root")
foreach(deb IN LISTS debs)
    run("dpkg-deb -x ${deb}" dpkg-deb -x "${deb}" "${root}")
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        "${root}/usr/games/tolvanis" --check-data
                WORKING_DIRECTORY / TIMEOUT 60
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    fail("the unpacked game failed its self-check (${rc}):\n${out}\n${err}")
endif()
foreach(name Red3.bmp vrkmup.wav tolvanis.html)
    string(FIND "${out}" "found ${root}/usr/share/tolvanis/${name}" at)
    if(at EQUAL -1)
        fail("the unpacked game did not find ${name} in its package:\n${out}")
    endif()
endforeach()

run("desktop-file-validate" desktop-file-validate
    "${root}/usr/share/applications/${APP_ID}.desktop")
run("appstreamcli" appstreamcli validate --no-net
    "${root}/usr/share/metainfo/${APP_ID}.metainfo.xml")

# Built against the unpacked library only: nothing of the build tree is on any path.
run("configuring the outside program" ${CMAKE_COMMAND} -S "${CONSUMER_DIR}"
    -B "${WORK_DIR}/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_PREFIX_PATH=${root}/usr")
run("building the outside program" ${CMAKE_COMMAND} --build "${WORK_DIR}/consumer")
foreach(program by_cmake by_pkgconfig)
    run("${program}" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        "LD_LIBRARY_PATH=${root}/usr/lib" "${WORK_DIR}/consumer/${program}")
    if(NOT out STREQUAL "installed\n")
        fail("${program} said \"${out}\"")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
