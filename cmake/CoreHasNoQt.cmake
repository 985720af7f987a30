# The core library is plain C++: a Qt include in one of its sources or headers
# fails the configure step (and, as the core has no Qt include path, the build).
function(kolvi_check_core_has_no_qt)
    foreach(file IN LISTS ARGN)
        file(STRINGS "${file}" qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Qt[A-Za-z]*/|Q[A-Z])")
        if(qt_includes)
            message(FATAL_ERROR "core file ${file} includes Qt: ${qt_includes}")
        endif()
    endforeach()
endfunction()
