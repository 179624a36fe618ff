# Where an installed Vellorin lives. On Linux: a self-contained application folder
# <prefix>/lib/vellorin holding the program, its cue voices and its default session, a
# command <prefix>/bin/vellorin linking to it, a desktop entry and an icon. On Windows the
# program, snd\ and sessions\ share one folder.
include(GNUInstallDirs)

if(WIN32)
  set(VELLORIN_APP_DIR .)
else()
  set(VELLORIN_APP_DIR lib/vellorin)
endif()

install(TARGETS vellorin RUNTIME DESTINATION ${VELLORIN_APP_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/snd/ DESTINATION ${VELLORIN_APP_DIR}/snd)
install(FILES ${PROJECT_SOURCE_DIR}/sessions/default.ses DESTINATION ${VELLORIN_APP_DIR}/sessions)

if(NOT WIN32)
  install(CODE [[
    set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
    file(MAKE_DIRECTORY "${bin}")
    file(CREATE_LINK ../lib/vellorin/vellorin "${bin}/vellorin" SYMBOLIC)
    message(STATUS "Installing: ${bin}/vellorin -> ../lib/vellorin/vellorin")
  ]])
  install(FILES ${PROJECT_SOURCE_DIR}/data/org.vellorin.Vellorin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The program's icon and the session files' icon at the desktop's sizes, and scalable;
  # at 32 x 32 the program's own 256-colour picture.
  foreach(size 16 22 24 32 48 64 128 256)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size})
    set(program_icon ${PROJECT_SOURCE_DIR}/data/icons/apps/${size}.png)
    if(size EQUAL 32)
      set(program_icon ${PROJECT_SOURCE_DIR}/data/vellorin.png)
    endif()
    install(FILES ${program_icon} DESTINATION ${icons}/apps RENAME org.vellorin.Vellorin.png)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/mimetypes/${size}.png
            DESTINATION ${icons}/mimetypes RENAME application-x-vellorin-session.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/apps/scalable.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME org.vellorin.Vellorin.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/mimetypes/scalable.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-vellorin-session.svg)
  # Session files open in Vellorin from the file manager; the software centres describe it.
  install(FILES ${PROJECT_SOURCE_DIR}/data/org.vellorin.Vellorin.mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME org.vellorin.Vellorin.xml)
  install(FILES ${PROJECT_SOURCE_DIR}/data/org.vellorin.Vellorin.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The manual pages (English, and German in man/de) and the changelog, compressed the way Debian's tools do it.
  foreach(document docs/vellorin.1 docs/vellorin.de.1 data/changelog)
    get_filename_component(name ${document} NAME)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}.gz
      COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${document} > ${PROJECT_BINARY_DIR}/${name}.gz
      DEPENDS ${PROJECT_SOURCE_DIR}/${document} VERBATIM)
    list(APPEND compressed_documents ${PROJECT_BINARY_DIR}/${name}.gz)
  endforeach()
  add_custom_target(vellorin_documents ALL DEPENDS ${compressed_documents})
  install(FILES ${PROJECT_BINARY_DIR}/vellorin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/vellorin.de.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1
          RENAME vellorin.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/data/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellorin)
endif()

set(CPACK_PACKAGE_NAME vellorin)
set(CPACK_PACKAGE_VENDOR "Vellorin")
set(CPACK_PACKAGE_VERSION "1.00")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "breath-hold training table timer with spoken cues")
set(CPACK_PACKAGE_DESCRIPTION
    "Vellorin runs apnea CO2 and O2 tables second by second for freedivers:\n\
spoken countdowns, hold and breathe cues, pause, resume and reset, and\n\
tables saved to small session files that open from the file manager.")
set(CPACK_PACKAGE_CONTACT "Vellorin developers <maintainers@vellorin.invalid>")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vellorin.invalid/")
# The libraries the program links come from dpkg-shlibdeps; Qt's platform plugins (the
# window) and the font the displays are laid out for are loaded at run time, so they are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's own translations of its dialogs, in the languages Vellorin speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
