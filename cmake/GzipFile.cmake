# gzip_file(<source> <target>): <target> becomes <source> compressed the way Debian
# wants installed documents (best compression, no name or time stamp, so the bytes
# depend on the text alone). Done at configure time, and again whenever the source
# changes.
function(gzip_file source target)
    find_program(GZIP_PROGRAM gzip REQUIRED)
    get_filename_component(target_dir ${target} DIRECTORY)
    file(MAKE_DIRECTORY ${target_dir})
    execute_process(COMMAND ${GZIP_PROGRAM} -n -9 -c ${source} OUTPUT_FILE ${target}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${source}")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
