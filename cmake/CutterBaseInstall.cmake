# Install rules and the Debian package: the programs, the desktop entry with its icon and
# AppStream data, the manual pages, bash completion, the documentation and the demo installation,
# in the places a Linux system looks for them.

include(GNUInstallDirs)
# The package's name, not the project's, names the documentation folder on Debian.
set(CUTTERBASE_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/cutterbase)

set(CUTTERBASE_APP_ID com.karvex.CutterBase)
set(CUTTERBASE_MAINTAINER "Karvex CutterBase <cutterbase@karvex.com>"
    CACHE STRING "The package's maintainer, NAME <ADDRESS>")
set(CUTTERBASE_SCREENSHOT_URL "https://www.karvex.com/cutterbase/screenshots"
    CACHE STRING "Where the window pictures of the AppStream data are published")

# The release is dated by the commit it is built from, so the same sources give the same files.
execute_process(COMMAND git log -1 --format=%cs WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE CUTTERBASE_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
execute_process(COMMAND git log -1 --format=%cD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE CUTTERBASE_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
if(NOT CUTTERBASE_RELEASE_DATE OR NOT CUTTERBASE_RELEASE_RFC2822)
  string(TIMESTAMP CUTTERBASE_RELEASE_DATE "%Y-%m-%d" UTC)
  string(TIMESTAMP CUTTERBASE_RELEASE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
string(SUBSTRING "${CUTTERBASE_RELEASE_DATE}" 0 4 CUTTERBASE_RELEASE_YEAR)
set(CUTTERBASE_REVISION_TEXT "${CUTTERBASE_REVISION}")
if(NOT CUTTERBASE_REVISION_TEXT)
  set(CUTTERBASE_REVISION_TEXT "unknown")
endif()

set(_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(_generated ${PROJECT_BINARY_DIR}/packaging)
configure_file(${_packaging}/${CUTTERBASE_APP_ID}.metainfo.xml.in
               ${_generated}/${CUTTERBASE_APP_ID}.metainfo.xml @ONLY)
configure_file(${_packaging}/changelog.in ${_generated}/changelog @ONLY)
configure_file(${_packaging}/copyright.in ${_generated}/copyright @ONLY)

# Manual pages and the change log compressed as Debian wants them: gzip -9, without name or time.
set(_compressed "")
foreach(source IN ITEMS ${_packaging}/cutterbase-cli.1 ${_packaging}/CutterBase.1
                        ${_generated}/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${_generated}/${name}.gz
                     COMMAND gzip -9nc ${source} > ${_generated}/${name}.gz
                     DEPENDS ${source} VERBATIM)
  list(APPEND _compressed ${_generated}/${name}.gz)
endforeach()
add_custom_target(cutterbase_packaging_files ALL DEPENDS ${_compressed})

install(TARGETS cutterbase-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_generated}/cutterbase-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_packaging}/cutterbase-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME cutterbase-cli)
if(CUTTERBASE_GUI)
  install(TARGETS CutterBase RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_generated}/CutterBase.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${_packaging}/${CUTTERBASE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/src/gui/resources/cutterbase.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${CUTTERBASE_APP_ID}.svg)
  install(FILES ${_generated}/${CUTTERBASE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(FILES README.md ${_generated}/copyright ${_generated}/changelog.gz
        DESTINATION ${CUTTERBASE_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CUTTERBASE_DOCDIR}/docs)
install(DIRECTORY demo/ DESTINATION ${CMAKE_INSTALL_DATADIR}/cutterbase/demo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cutterbase)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Karvex)
set(CPACK_PACKAGE_CONTACT "${CUTTERBASE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "milling tool library of a CAM system")
# The summary is the synopsis line; this is the extended description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "CutterBase is the tool library of a CAM system for NC milling. The CAM system
starts it for one toolpath of the current workzone: the machining programmer
browses a library of milling tools, sees the chosen tool checked against the
toolpath, edits cutter geometry, tolerances, feeds, security distances and
feed-rate optimisation settings, and on Close the program writes the changes
that the CAM system applies.
.
The package holds the window program CutterBase, the command-line program
cutterbase-cli for scripts and administrators, and a small demo installation
in /usr/share/cutterbase/demo.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# scripts/package builds what the package holds; installing must not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
