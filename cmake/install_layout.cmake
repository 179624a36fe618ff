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
  install(FILES ${PROJECT_SOURCE_DIR}/data/vellorin.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
          RENAME org.vellorin.Vellorin.png)
endif()

set(CPACK_PACKAGE_NAME vellorin)
set(CPACK_PACKAGE_VENDOR "Vellorin")
set(CPACK_PACKAGE_VERSION "1.00")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Breath-hold (apnea) training table timer with spoken cues")
set(CPACK_PACKAGE_DESCRIPTION
    "Runs CO2 and O2 breath-hold tables second by second: spoken countdowns, hold and\
 breathe cues, pause, resume and reset, and tables saved to small .ses files.")
set(CPACK_PACKAGE_CONTACT "Vellorin developers <maintainers@vellorin.invalid>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the program links come from dpkg-shlibdeps; Qt's platform plugins (the
# window) and its fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)
