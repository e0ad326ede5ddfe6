# cmake --install of the build into PREFIX puts the programs, the help page beside
# them, the icon and the desktop entries in place. Run by CTest with BUILD_DIR,
# PREFIX and WITH_PLECTREL (whether the build has the editor).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/cantorel
  bin/cantorel.html
  share/icons/hicolor/scalable/apps/cantorel.svg
  share/applications/cantorel.desktop)
if(WITH_PLECTREL)
  list(APPEND expected bin/plectrel share/applications/plectrel.desktop)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
