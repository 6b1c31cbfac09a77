# Fails when the program would load Qt WebEngine at start-up: it must come only with
# the PeekShot plugin. Run as: cmake -DPROGRAM=<path> -P NoWebEngineLink.cmake
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
if(libraries MATCHES "libQt6WebEngine[^ ]*")
    message(FATAL_ERROR "${PROGRAM} loads ${CMAKE_MATCH_0} at start-up")
endif()
if(NOT libraries MATCHES "libQt6Widgets")
    message(FATAL_ERROR "unexpected ldd output for ${PROGRAM}:\n${libraries}")
endif()
