# What `cmake --install` puts where, and the Debian package CPack makes of it.
#
#   bin/velmora, bin/velmora-cli        the programs
#   share/velmora/                      the program folder: what the build puts
#                                       beside the programs, found from bin
#   share/applications, share/metainfo  the menu entry and the software-centre entry
#   share/icons/hicolor                 the application icon, SVG and PNG
#   share/man/man6                      the manual pages
#   share/doc/velmora                   the README and the licences of the art

install(TARGETS velmora velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Every file the build puts into the program folder besides the executables.
# The install test compares this with the build's folder, so a file added
# there and forgotten here does not go unnoticed.
set(VELMORA_SHIPPED_FILES GAMES.DAT SOL.RGF)
list(TRANSFORM VELMORA_SHIPPED_FILES PREPEND ${VELMORA_PROGRAM_DIR}/ OUTPUT_VARIABLE shipped_paths)
install(FILES ${shipped_paths} DESTINATION ${VELMORA_INSTALL_PROGRAM_DIR})

set(desktop_dir ${PROJECT_SOURCE_DIR}/data)
install(FILES ${desktop_dir}/${VELMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${VELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VELMORA_ICON_THEME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Manual pages go compressed, as Debian installs them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(manual_pages)
foreach(page velmora.6 velmora-cli.6)
  set(packed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${desktop_dir}/man/${page} > ${packed}
    DEPENDS ${desktop_dir}/man/${page}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND manual_pages ${packed})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/assets/LICENSES.md
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora)

# `cpack -G DEB` in a build folder makes velmora_VERSION_ARCH.deb.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora 2001")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "patience collection: hundreds of solitaire card games")
# The long description, in lines short enough for package tools.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Velmora 2001 plays hundreds of patience (solitaire) card games with the"
  "mouse, with unlimited undo and redo, hints, a demonstration, saved and held"
  "games, statistics, high scores, series and custom games."
  "The command-line tool velmora-cli deals, plays and checks the same games"
  "without windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(VELMORA_PACKAGE_MAINTAINER "Velmora 2001 maintainers <maintainers@velmora.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The dependencies are the packages of the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR DEB)
include(CPack)
