# The game's command line: --version and --help answer without a display (no platform is set,
# and DISPLAY is cleared), an unknown option is refused, and the self-check run from the root
# folder finds every data file beside the executable and exits 0.

function(run_game)
    cmake_parse_arguments(R "" "" "ENV;ARGS" ${ARGN})
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM ${R_ENV} "${GAME}" ${R_ARGS}
                    WORKING_DIRECTORY / TIMEOUT 60
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(rc "${rc}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect what haystack needle)
    string(FIND "${haystack}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${what}: \"${needle}\" not in:\n${haystack}")
    endif()
endfunction()

run_game(ARGS --version)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Tolvanis ${VERSION}\n")
    message(FATAL_ERROR "--version: status ${rc}, said \"${out}\" ${err}")
endif()

run_game(ARGS --help)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "--help: status ${rc}\n${err}")
endif()
expect("--help" "${out}" "--check-data")
expect("--help" "${out}" "--version")

run_game(ENV QT_QPA_PLATFORM=offscreen ARGS --no-such-option)
if(rc EQUAL 0)
    message(FATAL_ERROR "an unknown option was accepted")
endif()
expect("unknown option" "${err}" "no-such-option")

run_game(ENV QT_QPA_PLATFORM=offscreen ARGS --check-data)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "--check-data: status ${rc}\n${out}\n${err}")
endif()
foreach(name Red3.bmp Backs4.bmp vrkmup.wav tolvanis.html)
    expect("--check-data" "${out}" "${name}")
endforeach()
expect("--check-data" "${out}" "help opened")
expect("--check-data" "${out}" "sound vrkmup played")
string(FIND "${out}" "missing" missing)
if(NOT missing EQUAL -1)
    message(FATAL_ERROR "--check-data reports a missing file:\n${out}")
endif()
