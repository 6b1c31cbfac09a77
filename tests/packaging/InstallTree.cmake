# Installs BUILD_DIR into a fresh PREFIX and checks that everything the program and the
# desktop need is there, each icon at the size its folder promises.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    bin/tessorin
    lib/tessorin/plugins/libtessorin_webengine.so
    lib/tessorin/tessorin-open-in-browser
    share/tessorin/Websites.ini
    share/tessorin/Default.ini
    share/applications/io.github.tessorin.tessorin.desktop
    share/metainfo/io.github.tessorin.tessorin.metainfo.xml
    share/icons/hicolor/scalable/apps/tessorin.svg
    share/man/man1/tessorin.1.gz)
foreach(size 16 32 48)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tessorin.png)
endforeach()

foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

# A PNG's width and height are the two big-endian words after the IHDR tag.
foreach(size 16 32 48)
    set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tessorin.png)
    if(EXISTS ${png})
        file(READ ${png} header OFFSET 12 LIMIT 12 HEX)
        math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(REPLACE "0x" "" side ${side})
        string(TOLOWER ${side} side)
        string(LENGTH ${side} digits)
        math(EXPR padding "8 - ${digits}")
        string(REPEAT 0 ${padding} zeros)
        set(want "49484452${zeros}${side}${zeros}${side}")
        if(NOT header STREQUAL want)
            message(SEND_ERROR "${png} is not a ${size} x ${size} PNG (header ${header})")
        endif()
    endif()
endforeach()
