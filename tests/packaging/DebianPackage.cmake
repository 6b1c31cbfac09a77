# Builds the Debian package from BUILD_DIR into OUT_DIR, then checks it the way Debian
# does: lintian must report no error, and the package must name the run-time packages
# the program cannot start or show its windows without.
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                RESULT_VARIABLE failed OUTPUT_VARIABLE cpack_output ERROR_VARIABLE cpack_output)
file(GLOB debs ${OUT_DIR}/*.deb)
if(failed OR NOT debs)
    message(FATAL_ERROR "cpack made no package:\n${cpack_output}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Depends OUTPUT_VARIABLE depends)
foreach(needed libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 libglib2.0-0
               qt6-qpa-plugins fonts-liberation2)
    if(NOT depends MATCHES "(^|[ ,])${needed}[ ,(\n]")
        message(SEND_ERROR "the package does not depend on ${needed}: ${depends}")
    endif()
endforeach()

# A new version must reach the changelog and the software centre's release list too.
execute_process(COMMAND dpkg-deb --field ${debs} Version OUTPUT_VARIABLE version
                OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND dpkg-parsechangelog -l ${SOURCE_DIR}/packaging/debian/changelog
                        -S Version OUTPUT_VARIABLE changelog_version OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT changelog_version STREQUAL version)
    message(SEND_ERROR "package version ${version}, changelog version ${changelog_version}")
endif()
file(READ ${SOURCE_DIR}/data/io.github.tessorin.tessorin.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" newest_release "${metainfo}")
set(release_version "${CMAKE_MATCH_1}")
string(REGEX REPLACE "-[^-]*$" "" upstream_version "${version}")
if(NOT release_version STREQUAL upstream_version)
    message(SEND_ERROR "package version ${version}, newest metainfo release ${release_version}")
endif()

find_program(LINTIAN lintian REQUIRED)
execute_process(COMMAND ${LINTIAN} --no-cfg --tag-display-limit 0 ${debs}
                RESULT_VARIABLE lintian_result OUTPUT_VARIABLE findings ERROR_VARIABLE findings)
message("${findings}")
# lintian exits 1 when it reports an error, above that when it could not check at all.
if(NOT lintian_result MATCHES "^[01]$")
    message(FATAL_ERROR "lintian did not run: ${lintian_result}")
endif()
if(lintian_result EQUAL 1 OR findings MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian reports errors")
endif()
