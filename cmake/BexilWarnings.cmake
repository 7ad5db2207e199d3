# Warnings are set per target, never globally, so third-party code keeps its own flags. The set
# is the one SFML builds itself with, plus -Wpedantic.
option(BEXIL_WERROR "Treat compiler warnings as errors (CI turns this on)" OFF)
include(BexilSanitizers)
include(BexilHardening)

set(BEXIL_WARNING_FLAGS
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
    -Wunused -Wconversion -Wsign-conversion -Wdouble-promotion -Wformat=2 -Wold-style-cast
    -Wsuggest-override -Wnull-dereference -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND BEXIL_WARNING_FLAGS -Wmisleading-indentation -Wduplicated-cond -Wlogical-op)
endif()

function(bexil_set_warnings target)
    target_compile_options(${target} PRIVATE ${BEXIL_WARNING_FLAGS})
    if(BEXIL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    bexil_set_sanitizers(${target})
    bexil_harden(${target})
endfunction()
