# tessorin_host_sources(<variable> [<folder>]): the .cpp and .h files of <folder> (the
# current source folder by default) for the host being built for. Host-specific files end
# in _posix.cpp or _win.cpp, and only the host's own kind is taken.
function(tessorin_host_sources variable)
    set(folder ${CMAKE_CURRENT_SOURCE_DIR})
    if(ARGC GREATER 1)
        set(folder ${ARGV1})
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
    endif()
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()
