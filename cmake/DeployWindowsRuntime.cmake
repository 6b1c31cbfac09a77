# tessorin_deploy_runtime(<folder> <program>): copies into <folder> every DLL that the
# program in it imports, directly or through another DLL, from the Windows Qt's bin folder
# and the MinGW runtime folders, and the Qt plugins a Widgets program loads (the windows
# platform plugin and the native style), with the DLLs those import. windeployqt does not
# run in a cross build; objdump lists the imports instead. System DLLs are left alone.
# Each copied DLL is stripped of its symbols. Uses TESSORIN_QT_WIN, TESSORIN_OBJDUMP,
# TESSORIN_STRIP and TESSORIN_MINGW_DLL_DIRS.

cmake_policy(VERSION 3.25)

function(tessorin_imports binary out)
    execute_process(COMMAND ${TESSORIN_OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "objdump could not read ${binary}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
    set(names)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "DLL Name: *" "" name "${line}")
        string(STRIP "${name}" name)
        list(APPEND names ${name})
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

function(tessorin_deploy_runtime folder program)
    set(search_dirs ${TESSORIN_QT_WIN}/bin ${TESSORIN_MINGW_DLL_DIRS})
    set(plugins platforms/qwindows.dll styles/qmodernwindowsstyle.dll)
    set(pending ${folder}/${program})
    foreach(plugin IN LISTS plugins)
        get_filename_component(plugin_dir ${plugin} DIRECTORY)
        file(COPY ${TESSORIN_QT_WIN}/plugins/${plugin} DESTINATION ${folder}/${plugin_dir})
        list(APPEND pending ${folder}/${plugin})
    endforeach()
    set(deployed)
    while(pending)
        list(POP_FRONT pending binary)
        tessorin_imports(${binary} imports)
        foreach(name IN LISTS imports)
            string(TOLOWER ${name} key)
            if(key IN_LIST deployed)
                continue()
            endif()
            list(APPEND deployed ${key})
            find_file(found_${key} ${name} PATHS ${search_dirs} NO_DEFAULT_PATH NO_CACHE)
            if(found_${key})
                file(COPY ${found_${key}} DESTINATION ${folder})
                execute_process(COMMAND ${TESSORIN_STRIP} --strip-unneeded ${folder}/${name})
                list(APPEND pending ${folder}/${name})
            endif()
        endforeach()
    endwhile()
endfunction()
