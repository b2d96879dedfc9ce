# SPDX-License-Identifier: GPL-3.0-or-later
# quorvel_install_man_page(SOURCE SECTION COMPONENT): installs a manual page
# compressed, as man(1) reads it and Debian wants it (gzip -9, without the file's
# name and time, so the same page gives the same bytes).
include(GNUInstallDirs)
find_program(QUORVEL_GZIP gzip REQUIRED)

function(quorvel_install_man_page source section component)
    get_filename_component(name ${source} NAME)
    set(compressed ${PROJECT_BINARY_DIR}/man/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${QUORVEL_GZIP} -9 -n -c ${source} > ${compressed}
        DEPENDS ${source}
        COMMENT "Compressing the manual page ${name}")
    string(MAKE_C_IDENTIFIER "man_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT ${component})
endfunction()
