# The Windows game: one self-contained, stripped exe that imports only system
# DLLs, a windowed program (no console window of its own) with the runner as
# its icon, and the zip a player unpacks: the exe, Data/, README.txt and
# COPYRIGHT.txt.
enable_language(RC)
target_link_options(ridgeline PRIVATE -static -static-libgcc -static-libstdc++ -s)
target_link_libraries(ridgeline PRIVATE SDL2::SDL2main)
set_target_properties(ridgeline PROPERTIES WIN32_EXECUTABLE ON)
# The known folders for settings and screenshots.
target_link_libraries(ridgeline_core PUBLIC shell32 ole32 uuid)
# --submit: WinHTTP, the system's own HTTP client, and the host's
# nlohmann-json (headers only) to read the board's answer, seen through a
# folder of its own so that no other host header comes with it.
if(NOT EXISTS /usr/include/nlohmann/json.hpp)
  message(FATAL_ERROR "the Windows game needs nlohmann-json (apt-get install nlohmann-json3-dev)")
endif()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/json-include)
file(CREATE_LINK /usr/include/nlohmann ${CMAKE_BINARY_DIR}/json-include/nlohmann SYMBOLIC)
target_include_directories(ridgeline_core SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/json-include)
target_link_libraries(ridgeline_core PUBLIC winhttp)

set(WINDOWS_ICON ${CMAKE_BINARY_DIR}/ridgeline.ico)
add_custom_command(OUTPUT ${WINDOWS_ICON}
  COMMAND ${RIDGELINE_HOST_DATAGEN} --windows-icon ${WINDOWS_ICON}
  DEPENDS host_datagen ${RIDGELINE_HOST_DATAGEN}
  COMMENT "Drawing the Windows icon"
  VERBATIM)
set(WINDOWS_RESOURCES ${CMAKE_BINARY_DIR}/ridgeline.rc)
file(WRITE ${WINDOWS_RESOURCES} "1 ICON \"${WINDOWS_ICON}\"\n")
target_sources(ridgeline PRIVATE ${WINDOWS_RESOURCES})
set_source_files_properties(${WINDOWS_RESOURCES} PROPERTIES OBJECT_DEPENDS ${WINDOWS_ICON})

set(ZIP_NAME ridgeline-${PROJECT_VERSION}-windows-x64)
set(ZIP_DIR ${CMAKE_BINARY_DIR}/package/${ZIP_NAME})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
configure_file(${CMAKE_SOURCE_DIR}/dist/windows-readme.txt.in ${CMAKE_BINARY_DIR}/README.txt
               NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/COPYRIGHT.txt
               NEWLINE_STYLE CRLF)
list(TRANSFORM RIDGELINE_DATA_FILES PREPEND ${CMAKE_BINARY_DIR}/Data/ OUTPUT_VARIABLE DATA_PATHS)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${ZIP_NAME}.zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ridgeline> ${CMAKE_BINARY_DIR}/README.txt
          ${CMAKE_BINARY_DIR}/COPYRIGHT.txt ${ZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/Data ${ZIP_DIR}/Data
  COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${ZIP_NAME}.zip --format=zip ${ZIP_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS ridgeline game_data $<TARGET_FILE:ridgeline> ${DATA_PATHS}
          ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/COPYRIGHT.txt
  COMMENT "Packing ${ZIP_NAME}.zip"
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${CMAKE_BINARY_DIR}/${ZIP_NAME}.zip)
