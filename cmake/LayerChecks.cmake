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

set(KOLVI_QT_INCLUDE "Qt[A-Za-z]*/|Q[A-Z]")
set(KOLVI_UI_INCLUDE "app/|controls/|shortcuts/|platform/")
