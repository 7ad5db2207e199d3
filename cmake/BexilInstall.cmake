# Installation as a desktop game, and its Debian package.
#
# The game reads res.cfg and keeps config.cfg in its working folder. Installed, the real binary
# lives in libexec and a launcher in bin runs it in the player's own settings folder
# (${XDG_CONFIG_HOME:-$HOME/.config}/bexil), with a res.cfg there that points at the installed
# data. Every destination is relative, so `cmake --install BUILD --prefix ANY` works, and the
# launcher finds the rest from its own location.
include(GNUInstallDirs)

# Everything is one component, so that the tests and cpack install it by name and leave
# install_manifest.txt (the uninstall list of a plain `cmake --install`) to the player.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME bexil)

set(BEXIL_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/bexil")
set(BEXIL_INSTALL_GAMEDIR "${CMAKE_INSTALL_LIBEXECDIR}/bexil")

install(TARGETS bexil RUNTIME DESTINATION "${BEXIL_INSTALL_GAMEDIR}")

# The installed list names its files relative to its own folder; the launcher puts the absolute
# prefix into the player's copy.
set(bexil_res_source "${PROJECT_SOURCE_DIR}/data/res.cfg")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${bexil_res_source}")
file(READ "${bexil_res_source}" bexil_res_list)
string(REGEX REPLACE "(^|\n)resources_directory=[^\n]*" "" bexil_res_list "${bexil_res_list}")
string(REGEX REPLACE "^\n+" "" bexil_res_list "${bexil_res_list}")
file(WRITE "${PROJECT_BINARY_DIR}/install/res.cfg" "${bexil_res_list}")

install(FILES "${PROJECT_BINARY_DIR}/install/res.cfg" DESTINATION "${BEXIL_INSTALL_DATADIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/fonts" DESTINATION "${BEXIL_INSTALL_DATADIR}")
# The pictures and the sounds are made at build time (tools/artgen, tools/soundgen) and
# installed from the run folder.
install(DIRECTORY "${BEXIL_RUN_DIR}/data/images" DESTINATION "${BEXIL_INSTALL_DATADIR}"
        FILES_MATCHING PATTERN "*.png")
install(DIRECTORY "${BEXIL_RUN_DIR}/data/sounds" DESTINATION "${BEXIL_INSTALL_DATADIR}"
        FILES_MATCHING PATTERN "*.wav" PATTERN "*.ogg")

install(FILES "${PROJECT_SOURCE_DIR}/data/bexil.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
# The manual page (man 6 bexil) and the AppStream metadata that lists the game in software centres.
install(FILES "${PROJECT_SOURCE_DIR}/data/bexil.6" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${PROJECT_SOURCE_DIR}/data/bexil.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo" RENAME org.example.bexil.metainfo.xml)
foreach(size 64 256)
    install(FILES "${BEXIL_RUN_DIR}/data/icons/bexil-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME bexil.png)
endforeach()

# The launcher reaches the binary and the data by paths relative to its own folder.
file(RELATIVE_PATH BEXIL_LAUNCHER_TO_GAME "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_LIBEXECDIR}/bexil/bexil")
file(RELATIVE_PATH BEXIL_LAUNCHER_TO_DATA "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_DATADIR}/bexil")
configure_file("${PROJECT_SOURCE_DIR}/cmake/bexil-launcher.sh.in"
               "${PROJECT_BINARY_DIR}/install/bexil" @ONLY)
install(PROGRAMS "${PROJECT_BINARY_DIR}/install/bexil" DESTINATION "${CMAKE_INSTALL_BINDIR}")

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
include(CPack)
