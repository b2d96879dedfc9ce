# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags on every binary: the flags dpkg-buildflags gives with all
# hardening features on, less those it gives with them all off. That leaves the
# hardening alone (stack protector, fortified library calls, format checks, RELRO and
# immediate binding) and none of its other defaults (-O2, -g, prefix maps), which stay
# the build type's. Debian's compilers make position-independent executables on their
# own, so dpkg-buildflags adds nothing for PIE; the package test checks every binary
# with hardening-check all the same.
#
# Off for the sanitizer and fuzz builds (the fortified calls and the sanitizers'
# interceptors get in each other's way) and where dpkg-buildflags is missing.
option(QUORVEL_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)

if(QUORVEL_HARDENING AND NOT QUORVEL_SANITIZE AND NOT QUORVEL_FUZZ)
    find_program(QUORVEL_DPKG_BUILDFLAGS dpkg-buildflags)
    if(QUORVEL_DPKG_BUILDFLAGS)
        # The flags of one variable with the hardening features all on or all off.
        function(quorvel_buildflags variable features result)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=${features}
                    ${QUORVEL_DPKG_BUILDFLAGS} --get ${variable}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            set(${result} ${flags} PARENT_SCOPE)
        endfunction()
        function(quorvel_hardening_flags variable result)
            quorvel_buildflags(${variable} +all with)
            quorvel_buildflags(${variable} -all without)
            list(REMOVE_ITEM with ${without})
            set(${result} ${with} PARENT_SCOPE)
        endfunction()

        quorvel_hardening_flags(CPPFLAGS QUORVEL_HARDENING_CPPFLAGS)
        quorvel_hardening_flags(CXXFLAGS QUORVEL_HARDENING_CXXFLAGS)
        quorvel_hardening_flags(LDFLAGS QUORVEL_HARDENING_LDFLAGS)
        # The fortified calls need an optimising build; glibc warns without one.
        foreach(flag IN LISTS QUORVEL_HARDENING_CPPFLAGS)
            add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
        endforeach()
        add_compile_options(${QUORVEL_HARDENING_CXXFLAGS})
        add_link_options(${QUORVEL_HARDENING_LDFLAGS})
        message(STATUS "Hardening flags from dpkg-buildflags: "
            "${QUORVEL_HARDENING_CPPFLAGS} ${QUORVEL_HARDENING_CXXFLAGS} ${QUORVEL_HARDENING_LDFLAGS}")
    else()
        message(STATUS "dpkg-buildflags not found (Debian: dpkg-dev): built without hardening flags")
    endif()
endif()
