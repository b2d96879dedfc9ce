# SPDX-License-Identifier: GPL-3.0-or-later
# The program's icon in PNG sizes, drawn from its SVG at build time: the windows carry
# them (compiled in, so every window has the icon in the build tree as well), and the
# install puts them into the hicolor theme beside the SVG, for desktops and menus that
# draw no SVG.
find_program(QUORVEL_RSVG_CONVERT rsvg-convert REQUIRED)
set(QUORVEL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(QUORVEL_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(QUORVEL_ICON_FILES)
foreach(size IN LISTS QUORVEL_ICON_SIZES)
    set(png ${QUORVEL_ICON_DIR}/${size}/${QUORVEL_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_ICON_DIR}/${size}
        COMMAND ${QUORVEL_RSVG_CONVERT} --width ${size} --height ${size} --keep-aspect-ratio
            --output ${png} ${PROJECT_SOURCE_DIR}/data/${QUORVEL_APP_ID}.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/data/${QUORVEL_APP_ID}.svg
        COMMENT "Drawing the icon at ${size} pixels")
    list(APPEND QUORVEL_ICON_FILES ${png})
endforeach()
add_custom_target(quorvel_icons ALL DEPENDS ${QUORVEL_ICON_FILES})
