# Installing the game as a desktop program (cmake --install), and its Debian
# package (the `package` target).
include(GNUInstallDirs)

# The reverse-DNS id of the game, named after our studio: the file names of
# the menu entry, the icons and the AppStream metadata.
set(RIDGELINE_ID org.cairnworks.Ridgeline)
set(RIDGELINE_RELEASE_DATE 2026-12-07)
# The same day as the Debian changelog writes it.
set(RIDGELINE_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")
set(RIDGELINE_MAINTAINER "Cairnworks Games <ridgeline@cairnworks.org>")

# The icons in every size of the hicolor theme that desktops ask for.
set(ICON_SIZES 16 32 48 64 128 256)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
foreach(size IN LISTS ICON_SIZES)
  set(icon ${ICON_DIR}/hicolor/${size}x${size}/apps/${RIDGELINE_ID}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ridgeline-datagen --icon ${size} ${icon}
    DEPENDS ridgeline-datagen
    VERBATIM)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND ICONS ${icon})
endforeach()

configure_file(dist/${RIDGELINE_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${RIDGELINE_ID}.metainfo.xml
               @ONLY)
configure_file(dist/ridgeline.6.in ${CMAKE_BINARY_DIR}/ridgeline.6 @ONLY)
configure_file(dist/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
# Manual pages and the changelog go compressed, with no name or time stamp in
# the gzip header so that every build is the same.
foreach(text ridgeline.6 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${text}.gz
    COMMAND gzip -9nc ${text} > ${text}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/${text}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  list(APPEND COMPRESSED_TEXTS ${CMAKE_BINARY_DIR}/${text}.gz)
endforeach()
add_custom_target(desktop_files ALL DEPENDS ${ICONS} ${COMPRESSED_TEXTS})

# The game finds its data at ../share/ridgeline/Data from its own directory,
# so these two stay bin and share whatever GNUInstallDirs says.
install(TARGETS ridgeline RUNTIME DESTINATION bin)
# Exactly the listed data files: nothing stray ships, and a missing one fails.
foreach(file IN LISTS RIDGELINE_DATA_FILES)
  get_filename_component(folder ${file} DIRECTORY)
  install(FILES ${CMAKE_BINARY_DIR}/Data/${file} DESTINATION share/ridgeline/Data/${folder})
endforeach()
install(FILES dist/${RIDGELINE_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${RIDGELINE_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/ridgeline.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES README.md docs/runs.md dist/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES dist/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ridgeline)

# `make package`: build/ridgeline_<version>_amd64.deb. dpkg-shlibdeps works out
# the Depends line from the libraries the executable links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ridgeline)
set(CPACK_PACKAGE_VENDOR "Cairnworks Games")
set(CPACK_PACKAGE_CONTACT "${RIDGELINE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "2-D action game: run along a ridge and shoot down the flyers")
set(CPACK_PACKAGE_DESCRIPTION
  "A small 2-D action game: a runner on a tiled floor in front of scrolling
mountains, eleven enemies flying in on one shared sine wave, shots that fly on
through enemies, explosions and a rising score. Every picture, sound and tune
is the game's own, generated from source. Runs can be recorded, replayed and
traced frame by frame.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
