# Sanitizer and fuzzing builds, set per target like the warnings (bexil_set_warnings calls
# bexil_set_sanitizers), so libraries from outside keep their own flags.
option(BEXIL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(BEXIL_FUZZ "Build the libFuzzer targets in tests/fuzz (clang only)" OFF)

if(BEXIL_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BEXIL_FUZZ needs clang (e.g. CXX=clang++-14)")
endif()

set(BEXIL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)

function(bexil_set_sanitizers target)
    if(BEXIL_SANITIZE)
        target_compile_options(${target} PRIVATE ${BEXIL_SANITIZER_FLAGS})
        target_link_options(${target} PRIVATE ${BEXIL_SANITIZER_FLAGS})
    endif()
    if(BEXIL_FUZZ)
        # Coverage for the fuzzer in every target; only the fuzz targets link its main.
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
endfunction()
