# Run by the InstallTest: installs the build into PREFIX (made anew), checks that every file
# a desktop needs is there, validates the desktop entry and the metainfo, and runs the
# installed programs once.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
foreach(path bin/silvergrain bin/silvergrain-cli share/icons/hicolor/scalable/apps/${APP_ID}.svg
        share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

foreach(check "${DESKTOP_FILE_VALIDATE};${desktop}" "${APPSTREAMCLI};validate;--no-net;${metainfo}"
        "${PREFIX}/bin/silvergrain;--version" "${PREFIX}/bin/silvergrain-cli;--version")
    execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${check} failed:\n${out}")
    endif()
    message(STATUS "${check}: ${out}")
endforeach()
