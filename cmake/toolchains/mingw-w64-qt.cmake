# Tessorin for 64-bit Windows: the MinGW-w64 toolchain plus the Qt cross-built for it by
# tools/windows/build-qt.sh. TESSORIN_QT_WIN names that Qt's install prefix; the host's
# own Qt (Debian's) provides moc, rcc and uic.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(NOT TESSORIN_QT_WIN AND DEFINED ENV{TESSORIN_QT_WIN})
    set(TESSORIN_QT_WIN $ENV{TESSORIN_QT_WIN})
endif()
if(NOT EXISTS "${TESSORIN_QT_WIN}/lib/cmake/Qt6")
    message(FATAL_ERROR "No Windows Qt at '${TESSORIN_QT_WIN}': run make windows, which builds it")
endif()
# Passed on to try_compile projects, which read the toolchain file afresh.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TESSORIN_QT_WIN)

list(PREPEND CMAKE_FIND_ROOT_PATH ${TESSORIN_QT_WIN})
list(PREPEND CMAKE_PREFIX_PATH ${TESSORIN_QT_WIN})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Where the MinGW runtime DLLs (libstdc++, libgcc_s, winpthread) are, for deployment and
# for running the tests under Wine; objdump lists a binary's imports.
file(GLOB TESSORIN_MINGW_GCC_DIR /usr/lib/gcc/${TESSORIN_MINGW_TRIPLET}/*-posix)
set(TESSORIN_MINGW_DLL_DIRS ${TESSORIN_MINGW_GCC_DIR} /usr/${TESSORIN_MINGW_TRIPLET}/lib)
set(CMAKE_OBJDUMP ${TESSORIN_MINGW_TRIPLET}-objdump)
