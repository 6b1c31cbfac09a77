# tessorin_host_sources(<variable> <file>...): of the files given, those for the host being
# built for. Host-specific files end in _posix or _win before their extension, and only the
# host's own kind is kept, so each target lists its two halves side by side.
function(tessorin_host_sources variable)
    set(sources ${ARGN})
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "_posix\\.(cpp|h)$")
    else()
        list(FILTER sources EXCLUDE REGEX "_win\\.(cpp|h)$")
    endif()
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# tessorin_host_sources_in(<variable> <folder>): every .cpp and .h file of <folder> for the
# host being built for. For the test programs only, which are built from whatever tests
# their folder holds; the program's own targets list their sources.
function(tessorin_host_sources_in variable folder)
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    tessorin_host_sources(sources ${sources})
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# tessorin_publish_headers(<target> <path>): the users of <target> may include the headers
# under src/<path> (a folder or one header) as "<path>/...", and no other header of src/.
# The build tree holds a link to <path> under an include folder of the target's own, so a
# library reaches only the headers of the libraries it links.
function(tessorin_publish_headers target path)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${path} ${root}/${path} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
