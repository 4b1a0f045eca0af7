# tolvanis_checked_sources(<target> <library>...): compiles the sources of the given libraries
# into <target> once more with the contract checks on, so that a tool (the simulator) runs the
# rules with their checks even in the optimised build, which leaves them out of the game.
function(tolvanis_checked_sources target)
    foreach(lib ${ARGN})
        get_target_property(dir ${lib} SOURCE_DIR)
        get_target_property(sources ${lib} SOURCES)
        foreach(src ${sources})
            if(NOT IS_ABSOLUTE "${src}")
                set(src "${dir}/${src}")
            endif()
            target_sources(${target} PRIVATE "${src}")
        endforeach()
        get_target_property(includes ${lib} INTERFACE_INCLUDE_DIRECTORIES)
        target_include_directories(${target} PRIVATE ${includes})
    endforeach()
    target_compile_definitions(${target} PRIVATE TOLVANIS_CONTRACTS)
    target_link_libraries(${target} PRIVATE Qt6::Core)
endfunction()
