# The Debian package, built by CPack from the install rules (`make package`). Debian
# asks every package for a copyright file and a changelog in its doc folder; the rest
# says what the package is and what it needs at run time.
if(NOT UNIX OR APPLE)
    return()
endif()

include(${PROJECT_SOURCE_DIR}/cmake/GzipFile.cmake)
set(debian_changelog ${CMAKE_BINARY_DIR}/share/doc/tessorin/changelog.Debian.gz)
gzip_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${debian_changelog})
# Each package carries its own copyright file, changelog and lintian overrides.
set(tessorin_components program peekshot)
set(tessorin_packages tessorin tessorin-peekshot)
foreach(component package IN ZIP_LISTS tessorin_components tessorin_packages)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${debian_changelog}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${package}
            COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessorin)
set(CPACK_PACKAGE_VENDOR "Tessorin developers")
set(CPACK_PACKAGE_CONTACT "Tessorin developers <tessorin@example.org>")
# Each package's first line is its summary; Debian wants the long description in lines
# of at most 80 characters.
string(JOIN "\n" CPACK_DEBIAN_PROGRAM_DESCRIPTION
       "search brick fan sites for one query"
       "Tessorin is a small search tool for adult LEGO fans. Type one query (a set"
       "number, a set name, a phrase), tick any of sixteen fan, catalogue, news and"
       "auction sites, and press Search: the desktop's web browser opens once per"
       "ticked site, on that site's search address for the query.")
string(JOIN "\n" CPACK_DEBIAN_PEEKSHOT_DESCRIPTION
       "PeekShot web view for Tessorin"
       "Shows one set's page from the Lugnet set guide inside Tessorin's own popup"
       "window (PeekShot), through Qt WebEngine. Without it, Tessorin's searches"
       "work as ever and PeekShot says that it is not available.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build carries debugging symbols; an installed program does not.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries themselves. What they cannot show: Qt's window
# system plugins, which the library only recommends yet without which no window opens,
# and the narrow face the fixed-layout windows are measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# tessorin: the program, its helper and data. tessorin-peekshot: the web view plugin,
# which alone needs Qt WebEngine (hundreds of megabytes); the program recommends it and
# says that PeekShot is not available without it.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program peekshot)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME tessorin)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's wayland platform: without it a Wayland desktop runs the program through Xwayland,
# which works, but hands a started browser no activation token for the desktop to honour.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "tessorin-peekshot, qt6-wayland")
set(CPACK_DEBIAN_PEEKSHOT_PACKAGE_NAME tessorin-peekshot)
set(CPACK_DEBIAN_PEEKSHOT_PACKAGE_DEPENDS "tessorin (= ${PROJECT_VERSION}-1)")

include(CPack)
