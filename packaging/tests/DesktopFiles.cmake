# The desktop entry and the release notes pass the desktop's own validators, and they name the
# same application, icon and release as the game.

function(validate what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} refused (${rc}):\n${out}\n${err}")
    endif()
    message(STATUS "${what}: ${out}${err}")
endfunction()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} is not installed: run scripts/setup.sh")
    endif()
endforeach()

validate("desktop-file-validate" ${DESKTOP_FILE_VALIDATE} "${DESKTOP_FILE}")
validate("appstreamcli" ${APPSTREAMCLI} validate --no-net --pedantic "${METAINFO_FILE}")

file(READ "${DESKTOP_FILE}" desktop)
file(READ "${METAINFO_FILE}" metainfo)
foreach(needle "Icon=${APP_ID}\n" "Exec=tolvanis\n" "Categories=Game;CardGame;\n")
    string(FIND "${desktop}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${needle}")
    endif()
endforeach()
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<release version=\"${VERSION}\" date=\"" "<caption>")
    string(FIND "${metainfo}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the release notes lack ${needle}")
    endif()
endforeach()
