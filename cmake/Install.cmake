# Where `cmake --install` puts Velmora, in the places freedesktop and Debian
# expect: the program in bin/, the modules it loads on first use (printing,
# sound) in its private folder lib/<multiarch>/velmora/, its content
# read-only in share/velmora/, the desktop entry, icons, AppStream metadata
# and manual page. Teachers' worksheets are never installed: the program
# keeps them in a writable folder (src/worksheets/worksheetpaths.h).
include(GNUInstallDirs)
set(VELMORA_APP_ID org.velmora.Velmora)
set(VELMORA_CONTENT_DIR ${CMAKE_INSTALL_DATADIR}/velmora)

# The program finds its installed content at this path from its own folder.
file(RELATIVE_PATH content_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/velmora)
if(NOT content_from_program STREQUAL "../share/velmora")
  message(FATAL_ERROR "velmora looks for its content in ../share/velmora beside its own folder, "
                      "not ${content_from_program}: keep the bin and share install folders side by side")
endif()

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS ${VELMORA_MODULES} LIBRARY DESTINATION ${VELMORA_MODULE_DIR})
install(DIRECTORY content/images content/wav content/wmf content/wmf2 content/logo DESTINATION ${VELMORA_CONTENT_DIR})
# Each topic unit's own files, its quiz among them, in a folder of its own.
install(DIRECTORY content/units DESTINATION ${VELMORA_CONTENT_DIR} OPTIONAL)
# Only the topic question files: the catalogue and worksheets live elsewhere once installed.
install(DIRECTORY content/multiple DESTINATION ${VELMORA_CONTENT_DIR} PATTERN track.txt EXCLUDE)

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${pkg}/${VELMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${VELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${pkg}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${pkg}/icons/${VELMORA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${pkg}/velmora.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
