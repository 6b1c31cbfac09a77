# Builds the Debian packages from BUILD_DIR into OUT_DIR, then checks them the way Debian
# does: lintian must report no error or warning, and each package must name the run-time
# packages it cannot work without. Qt WebEngine belongs to tessorin-peekshot alone.
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                RESULT_VARIABLE failed OUTPUT_VARIABLE cpack_output ERROR_VARIABLE cpack_output)
file(GLOB program_deb ${OUT_DIR}/tessorin_*.deb)
file(GLOB peekshot_deb ${OUT_DIR}/tessorin-peekshot_*.deb)
if(failed OR NOT program_deb OR NOT peekshot_deb)
    message(FATAL_ERROR "cpack did not make both packages:\n${cpack_output}")
endif()
set(debs ${program_deb} ${peekshot_deb})

function(expect_field deb field wanted unwanted)
    execute_process(COMMAND dpkg-deb --field ${deb} ${field} OUTPUT_VARIABLE value)
    foreach(name IN LISTS wanted)
        if(NOT value MATCHES "(^|[ ,])${name}[ ,(\n]")
            message(SEND_ERROR "${deb}: ${field} does not name ${name}: ${value}")
        endif()
    endforeach()
    foreach(name IN LISTS unwanted)
        if(value MATCHES "${name}")
            message(SEND_ERROR "${deb}: ${field} names ${name}: ${value}")
        endif()
    endforeach()
endfunction()

# The package that holds a library here, whatever the release calls it (Debian 13's
# 64-bit-time names end in t64): what a package must depend on to get that library.
function(package_holding library out)
    execute_process(COMMAND dpkg-query --search "*/${library}" OUTPUT_VARIABLE owners
                    RESULT_VARIABLE failed)
    string(REGEX MATCH "(^|\n)([^:,\n]+)(:[a-z0-9]+)?: [^\n]*/${library}(\n|$)" owner "${owners}")
    if(failed OR NOT owner)
        message(FATAL_ERROR "no installed package holds ${library}: ${owners}")
    endif()
    set(${out} ${CMAKE_MATCH_2} PARENT_SCOPE)
endfunction()

set(program_needs qt6-qpa-plugins fonts-liberation2)
foreach(library libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libglib-2.0.so.0
                libwayland-client.so.0)
    package_holding(${library} package)
    list(APPEND program_needs ${package})
endforeach()
package_holding(libQt6WebEngineWidgets.so.6 webengine_package)

expect_field(${program_deb} Depends "${program_needs}" "webengine")
expect_field(${program_deb} Recommends "tessorin-peekshot;qt6-wayland" "")
expect_field(${peekshot_deb} Depends "tessorin;${webengine_package}" "")

# A new version must reach the changelog and the software centre's release list too.
execute_process(COMMAND dpkg-deb --field ${program_deb} Version OUTPUT_VARIABLE version
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
# Clean: no error and no warning, on either release's lintian.
if(lintian_result EQUAL 1 OR findings MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian reports errors or warnings")
endif()
