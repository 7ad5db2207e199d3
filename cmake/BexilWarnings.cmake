# Warnings are set per target, never globally, so third-party code keeps its own flags.
option(BEXIL_WERROR "Treat compiler warnings as errors (CI turns this on)" OFF)
include(BexilSanitizers)

function(bexil_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor -Woverloaded-virtual)
    if(BEXIL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    bexil_set_sanitizers(${target})
endfunction()
