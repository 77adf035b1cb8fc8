# Installs the build into a fresh prefix and checks the portable layout and the menu entry.
# Run with -DBUILD=<build folder> -DPREFIX=<empty folder> [-DVALIDATE=<desktop-file-validate>].
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE failed
                OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(expected opt/pallox/pallox opt/pallox/PALLOX.ini opt/pallox/Skins/skins.ini opt/pallox/Games
                 share/applications/pallox.desktop share/icons/hicolor/scalable/apps/pallox.svg)
  if(NOT EXISTS "${PREFIX}/${expected}")
    message(FATAL_ERROR "not installed: ${expected}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/pallox.desktop" entry)
if(NOT entry MATCHES "Exec=\"${PREFIX}/opt/pallox/pallox\"")
  message(FATAL_ERROR "the menu entry does not start the installed program:\n${entry}")
endif()
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/pallox.desktop" RESULT_VARIABLE invalid)
  if(invalid)
    message(FATAL_ERROR "desktop-file-validate refused the menu entry")
  endif()
endif()
