# The game started without its card pictures: a missing strip, one cut short and one that is no
# picture each stop the start with exit status 2 and a message naming the file.
# Runs the game copied into a folder of its own, so that it finds nothing beside itself.
set(work "${WORK_DIR}/missing-pictures")

function(expect_refusal case_name file)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ./tolvanis
                    WORKING_DIRECTORY "${work}" TIMEOUT 60
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 2)
        message(FATAL_ERROR "${case_name}: exit status ${rc}, expected 2\n${err}")
    endif()
    string(FIND "${err}" "${file}" named)
    if(named EQUAL -1)
        message(FATAL_ERROR "${case_name}: the message does not name ${file}:\n${err}")
    endif()
endfunction()

file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
file(COPY "${GAME}" DESTINATION "${work}")
expect_refusal("no strips" "Red3.bmp")

foreach(strip Red3.bmp Green3.bmp Blue3.bmp Yellow3.bmp Backs4.bmp)
    file(COPY "${DATA_DIR}/${strip}" DESTINATION "${work}")
endforeach()
file(SIZE "${work}/Blue3.bmp" size)
math(EXPR half "${size} / 2")
execute_process(COMMAND truncate -s ${half} "${work}/Blue3.bmp" RESULT_VARIABLE cut)
if(NOT cut EQUAL 0)
    message(FATAL_ERROR "could not cut Blue3.bmp short")
endif()
expect_refusal("cut short" "Blue3.bmp")

file(COPY "${DATA_DIR}/Blue3.bmp" DESTINATION "${work}")
file(WRITE "${work}/Backs4.bmp" "this is no picture\n")
expect_refusal("not a picture" "Backs4.bmp")
