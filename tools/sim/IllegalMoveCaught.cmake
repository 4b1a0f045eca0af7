# A computer made to play a card the rules refuse it: the checked run must name the move and
# fail, and the same run without the injected move must pass.
execute_process(COMMAND ${SIM} --deals 20 --players 4 --seed 7 --check --inject-illegal-move 40
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0)
    message(FATAL_ERROR "an illegal computer move passed the check:\n${out}${err}")
endif()
if(NOT err MATCHES "violation in deal [0-9]+, move [0-9]+: seat [1-4] may not play card")
    message(FATAL_ERROR "the check did not name the illegal move:\n${err}")
endif()
if(NOT out MATCHES "violations=1\n")
    message(FATAL_ERROR "one injected move, other than one violation:\n${out}")
endif()
execute_process(COMMAND ${SIM} --deals 20 --players 4 --seed 7 --check
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the same run without the injected move failed:\n${err}")
endif()
