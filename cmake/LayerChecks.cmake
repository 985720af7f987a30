# The layers are folders and build targets, and their arrows point one way:
# src/core is plain C++ (no Qt, nothing from src/ui); src/ui/platform, the
# platform back ends, uses the core and Qt but no window or control. A file
# that breaks this fails the configure step.
function(kolvi_check_includes layer forbidden)
    foreach(file IN LISTS ARGN)
        file(STRINGS "${file}" bad_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${forbidden})")
        if(bad_includes)
            message(FATAL_ERROR "${layer} file ${file} includes what its layer must not: ${bad_includes}")
        endif()
    endforeach()
endfunction()

# Core and ui share folder names (lists/, ruler/, shortcuts/), so a core file's
# own includes are judged by where they resolve: beside it or in src/core.
function(kolvi_check_core_includes core_root)
    foreach(file IN LISTS ARGN)
        file(STRINGS "${file}" quoted REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        get_filename_component(folder "${file}" DIRECTORY)
        foreach(line IN LISTS quoted)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
            if(NOT EXISTS "${folder}/${header}" AND NOT EXISTS "${core_root}/${header}")
                message(FATAL_ERROR "core file ${file} includes what is not in the core: ${header}")
            endif()
        endforeach()
    endforeach()
endfunction()

set(KOLVI_QT_INCLUDE "Qt[A-Za-z]*/|Q[A-Z]")
