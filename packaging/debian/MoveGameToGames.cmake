# Run by CPack between staging and packing: moves the game's program from usr/bin to usr/games,
# where Debian keeps games. Nothing else changes: the game finds ../share/tolvanis from either.
file(GLOB staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin/tolvanis"
                 "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/tolvanis")
foreach(program IN LISTS staged)
    get_filename_component(bin "${program}" DIRECTORY)
    get_filename_component(usr "${bin}" DIRECTORY)
    file(MAKE_DIRECTORY "${usr}/games")
    file(RENAME "${program}" "${usr}/games/tolvanis")
    file(GLOB left "${bin}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${bin}")
    endif()
endforeach()
