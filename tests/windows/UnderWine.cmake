# The Windows build's tests run under Wine: GoogleTest is built from Debian's source for
# MinGW, CTest starts each test program through tools/windows/wine-run.sh, and one Wine
# prefix with one wineserver serves the whole run (the wine_prefix fixture).
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gmock ALIAS gmock)
endif()

set(TESSORIN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(wine_tools ${PROJECT_SOURCE_DIR}/tools/windows)
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_tools}/wine-run.sh)

add_test(NAME wine_prefix_start COMMAND ${wine_tools}/wine-prefix.sh start)
add_test(NAME wine_prefix_stop COMMAND ${wine_tools}/wine-prefix.sh stop)
set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine)
set(wine_environment "TESSORIN_WINEPREFIX=${TESSORIN_WINEPREFIX}")
set_tests_properties(wine_prefix_start wine_prefix_stop PROPERTIES
                     ENVIRONMENT "${wine_environment}")

# Runs test <name> under the shared prefix, its DLLs found in Qt's and MinGW's folders.
# The tests take turns: they share one X server, where a window one test activates would
# take the activation from another test's window.
function(tessorin_under_wine name)
    string(JOIN " " dll_dirs ${TESSORIN_QT_WIN}/bin ${TESSORIN_MINGW_DLL_DIRS})
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
                 "${wine_environment}" "TESSORIN_WINE_DLL_DIRS=${dll_dirs}")
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_display)
endfunction()

# Tessorin as a Windows user gets it: the installer that make windows built, run silently
# into a prefix of the test's own, and the installed program driven with keys and clicks.
add_test(NAME windows_installed
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installed.sh ${TESSORIN_WINDOWS_INSTALLER}
                 $<TARGET_FILE:tessorin_test_recorder>)
set_tests_properties(windows_installed PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 LABELS e2e)

# The installed program in Windows 10's and Windows 11's looks, light and dark, and the
# person's choice changed under it, with set-colour-scheme.exe standing in for Settings.
add_executable(tessorin_set_colour_scheme
               ${CMAKE_CURRENT_LIST_DIR}/colourscheme/SetColourScheme_win.cpp)
target_link_options(tessorin_set_colour_scheme PRIVATE -municode -static)
set_target_properties(tessorin_set_colour_scheme PROPERTIES AUTOMOC OFF
                      OUTPUT_NAME set-colour-scheme)
add_test(NAME windows_looks
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/looks.sh ${TESSORIN_WINDOWS_INSTALLER}
                 $<TARGET_FILE:tessorin_set_colour_scheme>)
set_tests_properties(windows_looks PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 LABELS e2e)
