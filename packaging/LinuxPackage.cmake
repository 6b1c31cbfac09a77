# The build tree mirrors an installed prefix: bin/ beside share/tessorin/. Copied again
# whenever they change, so the build tree always reads the current site templates.
foreach(data_file Websites.ini Default.ini)
    configure_file(${PROJECT_SOURCE_DIR}/data/${data_file}
                   ${CMAKE_BINARY_DIR}/share/tessorin/${data_file} COPYONLY)
endforeach()

include(GNUInstallDirs)
install(TARGETS tessorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/Websites.ini ${PROJECT_SOURCE_DIR}/data/Default.ini
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tessorin)
add_subdirectory(${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/data)
include(${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
