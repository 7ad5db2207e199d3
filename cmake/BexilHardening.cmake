# The hardening Debian builds its own packages with, per target like the warnings
# (bexil_set_warnings calls bexil_harden): dpkg-buildflags with every hardening feature gives
# fortified functions, the stack protector, read-only relocations bound at start; the program is
# position independent. Optimised builds only (fortification needs the optimiser), and not
# under the sanitizers, which bring their own checks. The optimisation and debugging flags stay
# the build type's.
option(BEXIL_HARDEN "Harden optimised builds as Debian's packages are (needs dpkg-buildflags)" ON)
find_program(BEXIL_DPKG_BUILDFLAGS dpkg-buildflags)

set(BEXIL_HARDEN_COMPILE_FLAGS)
set(BEXIL_HARDEN_LINK_FLAGS)
if(BEXIL_HARDEN AND BEXIL_DPKG_BUILDFLAGS AND NOT BEXIL_SANITIZE AND NOT BEXIL_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                "${BEXIL_DPKG_BUILDFLAGS}" --get ${kind}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}")
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
        if(kind STREQUAL "LDFLAGS")
            list(APPEND BEXIL_HARDEN_LINK_FLAGS ${flags})
        else()
            list(APPEND BEXIL_HARDEN_COMPILE_FLAGS ${flags})
        endif()
    endforeach()
    include(CheckPIESupported)
    check_pie_supported()
    message(STATUS "Hardened as Debian's packages: ${BEXIL_HARDEN_COMPILE_FLAGS} "
                   "${BEXIL_HARDEN_LINK_FLAGS}")
endif()

function(bexil_harden target)
    if(BEXIL_HARDEN_COMPILE_FLAGS OR BEXIL_HARDEN_LINK_FLAGS)
        target_compile_options(${target} PRIVATE ${BEXIL_HARDEN_COMPILE_FLAGS})
        target_link_options(${target} PRIVATE ${BEXIL_HARDEN_LINK_FLAGS})
        set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    endif()
endfunction()
