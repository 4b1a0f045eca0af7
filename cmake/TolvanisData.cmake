# The files the game reads at run time. Each folder that makes some names them here: they are
# installed into the game's data folder and listed for the game's self-check, so a file added
# to a generator's outputs is shipped and checked without further edits.

set(TOLVANIS_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/tolvanis")

# tolvanis_install_data(<full paths of built files>...)
function(tolvanis_install_data)
    install(FILES ${ARGN} DESTINATION "${TOLVANIS_INSTALL_DATADIR}" COMPONENT game)
    foreach(path IN LISTS ARGN)
        get_filename_component(name "${path}" NAME)
        set_property(GLOBAL APPEND PROPERTY TOLVANIS_DATA_FILES "${name}")
    endforeach()
endfunction()

# Writes a header with the names of every data file, in the order they were named.
function(tolvanis_write_data_file_list header)
    get_property(names GLOBAL PROPERTY TOLVANIS_DATA_FILES)
    set(entries "")
    foreach(name IN LISTS names)
        string(APPEND entries "    \"${name}\",\n")
    endforeach()
    file(CONFIGURE OUTPUT "${header}" CONTENT [=[
// The files the game reads at run time, as the build makes and installs them.
#pragma once

namespace tolvanis {

inline constexpr const char* DataFileNames[] = {
@entries@};

}  // namespace tolvanis
]=] @ONLY)
endfunction()
