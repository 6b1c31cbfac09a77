# Tessorin for Windows: Tessorin.exe with Websites.ini and Default.ini beside it, the Qt and
# MinGW runtime it imports, and two packages from CPack: an NSIS installer for
# Program Files\Tessorin and a zip of the same folder that runs where it is unpacked.

set_target_properties(tessorin PROPERTIES OUTPUT_NAME Tessorin)
foreach(data_file Websites.ini Default.ini)
    configure_file(${PROJECT_SOURCE_DIR}/data/${data_file} ${CMAKE_BINARY_DIR}/bin/${data_file}
                   COPYONLY)
endforeach()

# The icon, drawn from the same SVG as the Linux icons, and the version resource.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
set(icon_dir ${CMAKE_BINARY_DIR}/generated/icon)
set(icon_pngs)
foreach(size 16 32 48)
    list(APPEND icon_pngs ${icon_dir}/tessorin-${size}.png)
    add_custom_command(OUTPUT ${icon_dir}/tessorin-${size}.png
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
                       COMMAND ${RSVG_CONVERT} -w ${size} -h ${size}
                               -o ${icon_dir}/tessorin-${size}.png
                               ${PROJECT_SOURCE_DIR}/data/icons/tessorin.svg
                       DEPENDS ${PROJECT_SOURCE_DIR}/data/icons/tessorin.svg VERBATIM)
endforeach()
set(TESSORIN_ICON ${icon_dir}/tessorin.ico)
add_custom_command(OUTPUT ${TESSORIN_ICON}
                   COMMAND ${IMAGEMAGICK_CONVERT} ${icon_pngs} ${TESSORIN_ICON}
                   DEPENDS ${icon_pngs} VERBATIM)
set(TESSORIN_MANIFEST ${CMAKE_BINARY_DIR}/generated/Tessorin.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/Tessorin.manifest.in ${TESSORIN_MANIFEST} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/Tessorin.rc.in
               ${CMAKE_BINARY_DIR}/generated/Tessorin.rc @ONLY)
add_custom_target(tessorin_windows_icon DEPENDS ${TESSORIN_ICON})
target_sources(tessorin PRIVATE ${CMAKE_BINARY_DIR}/generated/Tessorin.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/Tessorin.rc PROPERTIES
                            OBJECT_DEPENDS ${TESSORIN_MANIFEST})
add_dependencies(tessorin tessorin_windows_icon)

install(TARGETS tessorin RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/data/Websites.ini ${PROJECT_SOURCE_DIR}/data/Default.ini
              ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION .)
# The DLLs and plugins the program imports, found from its imports at install time rather
# than from a list that could rot.
install(CODE "
    set(TESSORIN_QT_WIN \"${TESSORIN_QT_WIN}\")
    set(TESSORIN_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(TESSORIN_MINGW_DLL_DIRS \"${TESSORIN_MINGW_DLL_DIRS}\")
    set(TESSORIN_STRIP \"${CMAKE_STRIP}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/DeployWindowsRuntime.cmake\")
    tessorin_deploy_runtime(\"\${CMAKE_INSTALL_PREFIX}\" Tessorin.exe)
")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Tessorin)
set(CPACK_PACKAGE_VENDOR "Tessorin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Search brick fan sites for one query")
set(CPACK_PACKAGE_FILE_NAME Tessorin-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tessorin)
set(CPACK_PACKAGE_EXECUTABLES Tessorin Tessorin)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_NSIS_PACKAGE_NAME Tessorin)
set(CPACK_NSIS_DISPLAY_NAME Tessorin)
set(CPACK_NSIS_INSTALLED_ICON_NAME Tessorin.exe)
set(CPACK_NSIS_MUI_ICON ${TESSORIN_ICON})
set(CPACK_NSIS_MUI_UNIICON ${TESSORIN_ICON})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer: it installs to the real Program Files and registers its uninstaller
# in the 64-bit view of the registry, where Add/Remove Programs looks for a 64-bit program.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_STRIP_FILES ON)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/CPackOptions.cmake.in
               ${CMAKE_BINARY_DIR}/CPackOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackOptions.cmake)
# The installer's name is set for the NSIS generator only (CPackOptions.cmake.in).
set(TESSORIN_WINDOWS_INSTALLER ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}-setup.exe)
include(CPack)
