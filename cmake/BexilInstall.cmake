# Installation as a desktop game, and its Debian package.
#
# The program goes where Debian keeps games (games/, so /usr/games in the package) and finds its
# data from its own location (bexil/settings/Folders), at the same relative place under any
# prefix: `cmake --install BUILD --prefix ANY` works, and a moved installation still runs. The
# player's settings and high scores go to the XDG folders; nothing is written into the
# installation.
include(GNUInstallDirs)

set(BEXIL_INSTALL_GAMEDIR "games" CACHE STRING "Where the program is installed, under the prefix")
set(BEXIL_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/bexil")

# The program's way to its data, relative to its own folder.
file(RELATIVE_PATH bexil_data_from_program "/prefix/${BEXIL_INSTALL_GAMEDIR}"
     "/prefix/${BEXIL_INSTALL_DATADIR}")
target_compile_definitions(bexil_game PRIVATE BEXIL_DATA_FROM_PROGRAM="${bexil_data_from_program}")

# Two components: the game, and the copy of the fonts for systems without DejaVu, which the
# Debian package leaves out (it depends on fonts-dejavu-core). The tests and cpack install them
# by name and leave install_manifest.txt (the uninstall list of a plain `cmake --install`, which
# installs both) to the player.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME bexil)

install(TARGETS bexil RUNTIME DESTINATION "${BEXIL_INSTALL_GAMEDIR}")

# The installed list names its files relative to its own folder.
set(bexil_res_source "${PROJECT_SOURCE_DIR}/data/res.cfg")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${bexil_res_source}")
file(READ "${bexil_res_source}" bexil_res_list)
string(REGEX REPLACE "(^|\n)resources_directory=[^\n]*" "" bexil_res_list "${bexil_res_list}")
string(REGEX REPLACE "^\n+" "" bexil_res_list "${bexil_res_list}")
file(WRITE "${PROJECT_BINARY_DIR}/install/res.cfg" "${bexil_res_list}")

install(FILES "${PROJECT_BINARY_DIR}/install/res.cfg" DESTINATION "${BEXIL_INSTALL_DATADIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/fonts" DESTINATION "${BEXIL_INSTALL_DATADIR}"
        COMPONENT fonts)
# The pictures and the sounds are made at build time (tools/artgen, tools/soundgen) and
# installed from the run folder.
install(DIRECTORY "${BEXIL_RUN_DIR}/data/images" DESTINATION "${BEXIL_INSTALL_DATADIR}"
        FILES_MATCHING PATTERN "*.png")
install(DIRECTORY "${BEXIL_RUN_DIR}/data/sounds" DESTINATION "${BEXIL_INSTALL_DATADIR}"
        FILES_MATCHING PATTERN "*.wav" PATTERN "*.ogg")

# The desktop entry and the AppStream metadata that lists the game in software centres, under
# the game's id.
set(BEXIL_APP_ID "io.github.bexil.bexil")
install(FILES "${PROJECT_SOURCE_DIR}/data/${BEXIL_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/data/${BEXIL_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size 64 256)
    install(FILES "${BEXIL_RUN_DIR}/data/icons/bexil-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME bexil.png)
endforeach()

# The manual page (man 6 bexil) and the changelog compressed as Debian wants them (gzip -9n: no
# name, no time, the same bytes every build), and the licences.
find_program(BEXIL_GZIP gzip REQUIRED)
foreach(document bexil.6 changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 "${PROJECT_SOURCE_DIR}/data/${document}")
    execute_process(COMMAND "${BEXIL_GZIP}" -9n -c "${PROJECT_SOURCE_DIR}/data/${document}"
                    OUTPUT_FILE "${PROJECT_BINARY_DIR}/install/${document}.gz")
endforeach()
install(FILES "${PROJECT_BINARY_DIR}/install/bexil.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${PROJECT_BINARY_DIR}/install/changelog.gz" "${PROJECT_SOURCE_DIR}/data/copyright"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/bexil")

# `cpack -G DEB` in the build folder; dpkg-shlibdeps works out the libraries it needs.
set(CPACK_GENERATOR "DEB")
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};bexil;/")
set(CPACK_PACKAGE_NAME "bexil")
set(CPACK_PACKAGE_VENDOR "Bexil developers")
set(CPACK_PACKAGE_CONTACT "Bexil developers <bexil@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade puzzle game with coloured tokens")
# Debian wants description lines of at most 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Coloured tokens march in from the four sides of the board toward your piece"
       "in its centre. Turn it, move it and fire along its line to consume runs of"
       "tokens of your own colour before one of them reaches the centre. Two modes:"
       "by tokens consumed and by time survived.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
