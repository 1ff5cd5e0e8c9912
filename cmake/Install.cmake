# What `cmake --install` puts in place, and the packages CPack makes of it: on Linux a
# Debian package with the menu entry, icons, AppStream metainfo and man page; on Windows a
# zip of vesko.exe, the page and a README for the user.
set(VESKO_APP_ID org.vesko.Vesko)
set(VESKO_RELEASE_DATE 2026-12-07)
set(VESKO_MAINTAINER "vesko developers <vesko@vesko.example>")
# The metainfo's screenshots; the pictures are docs/screenshot-*.png.
set(VESKO_SCREENSHOT_URL "https://vesko.example/docs")

set(CPACK_PACKAGE_NAME vesko)
set(CPACK_PACKAGE_VENDOR "vesko developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor for a dash camera's SD card")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/dist)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  install(TARGETS vesko vesko-cli RUNTIME DESTINATION .)
  configure_file(${PROJECT_SOURCE_DIR}/res/README-windows.txt ${CMAKE_BINARY_DIR}/README.txt
                 @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
  # The page, built apart (scripts/build web; scripts/package builds it first).
  set(VESKO_PAGE ${PROJECT_SOURCE_DIR}/build/web/vesko.html CACHE FILEPATH "The page for the zip")
  install(FILES ${VESKO_PAGE} DESTINATION . OPTIONAL)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME vesko-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  include(CPack)
  return()
endif()

include(GNUInstallDirs)
set(share ${CMAKE_INSTALL_DATADIR})
install(TARGETS vesko vesko-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(size 48 128 256)
  set(png ${PROJECT_SOURCE_DIR}/res/icons/vesko-${size}.png)
  if(size EQUAL 128)
    set(png ${PROJECT_SOURCE_DIR}/res/vesko.png)  # the picture the Windows icon is made of
  endif()
  install(FILES ${png} DESTINATION ${share}/icons/hicolor/${size}x${size}/apps
          RENAME ${VESKO_APP_ID}.png)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/res/${VESKO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${VESKO_APP_ID}.metainfo.xml @ONLY)

# The menu entry and the metainfo in every language po/package/LINGUAS names, merged by msgfmt
# from the English ones; msgfmt finds the metainfo's rules (appstream's) by the file's name.
find_program(MSGFMT msgfmt REQUIRED)
set(po ${PROJECT_SOURCE_DIR}/po/package)
file(GLOB package_catalogs CONFIGURE_DEPENDS ${po}/*.po)
function(vesko_install_translated mode english destination)
  get_filename_component(name ${english} NAME)
  set(translated ${CMAKE_BINARY_DIR}/translated/${name})
  add_custom_command(OUTPUT ${translated}
                     COMMAND ${MSGFMT} --${mode} --template=${english} -d ${po} -o ${translated}
                     DEPENDS ${english} ${po}/LINGUAS ${package_catalogs} VERBATIM)
  add_custom_target(vesko_translated_${mode} ALL DEPENDS ${translated})
  install(FILES ${translated} DESTINATION ${destination})
endfunction()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/translated)
vesko_install_translated(desktop ${PROJECT_SOURCE_DIR}/res/${VESKO_APP_ID}.desktop
                         ${share}/applications)
vesko_install_translated(xml ${CMAKE_BINARY_DIR}/${VESKO_APP_ID}.metainfo.xml ${share}/metainfo)

# Debian wants the man page and the changelog compressed, without a time stamp inside.
execute_process(COMMAND date -u -R -d ${VESKO_RELEASE_DATE}
                OUTPUT_VARIABLE VESKO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(page vesko.1 vesko-cli.1)
  configure_file(${PROJECT_SOURCE_DIR}/res/${page}.in ${CMAKE_BINARY_DIR}/${page} @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/res/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
foreach(doc vesko.1 vesko-cli.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
                     COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/${doc} > ${CMAKE_BINARY_DIR}/${doc}.gz
                     DEPENDS ${CMAKE_BINARY_DIR}/${doc} VERBATIM)
endforeach()
add_custom_target(vesko_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/vesko.1.gz ${CMAKE_BINARY_DIR}/vesko-cli.1.gz
                                         ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/vesko.1.gz ${CMAKE_BINARY_DIR}/vesko-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VESKO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary comes first on its own.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A vehicle video recorder keeps its settings in config.bin on its SD card. vesko
shows every setting in one window, checks what is typed, stamps the computer's
local time into the file and writes it back. Started from the menu it asks for
the card's folder first. vesko-cli reads, changes and provisions the settings
of one card or of a whole fleet of them from the command line.")
# The libraries the program links come from dpkg-shlibdeps; the dialog font falls back to
# Liberation Sans, which no library pulls in, and Qt's display plugins are only recommended
# by its libraries, yet without them no window opens. Qt's own translations word the
# standard buttons of a window in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n")
# The desktop's own folder chooser on GTK desktops.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-gtk-platformtheme)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
