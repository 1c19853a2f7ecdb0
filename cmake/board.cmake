# ridgeline-board, the score board's server: the game's core, which plays
# every replay submitted, with Debian's cpp-httplib (HTTP), nlohmann-json,
# SQLite and libpq, and OpenSSL's SHA-256.
if(NOT TARGET PkgConfig::HTTPLIB OR NOT TARGET nlohmann_json::nlohmann_json)
  message(FATAL_ERROR "ridgeline-board needs cpp-httplib and nlohmann-json "
                      "(apt-get install libcpp-httplib-dev nlohmann-json3-dev)")
endif()
find_package(SQLite3 REQUIRED)
find_package(PostgreSQL REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(Threads REQUIRED)

file(GLOB BOARD_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/board/*.cpp)
add_executable(ridgeline-board ${BOARD_SOURCES})
target_link_libraries(ridgeline-board PRIVATE ridgeline_core PkgConfig::HTTPLIB
                      nlohmann_json::nlohmann_json SQLite::SQLite3 PostgreSQL::PostgreSQL
                      OpenSSL::Crypto Threads::Threads)
add_dependencies(ridgeline-board game_data)

if(BUILD_TESTING)
  # The server driven over HTTP, on an SQLite file and on a throwaway
  # PostgreSQL cluster (skipped where PostgreSQL is not installed).
  foreach(engine sqlite postgresql)
    add_test(NAME board_server_${engine}
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/board_server.sh $<TARGET_FILE:ridgeline-board>
                     ${CMAKE_SOURCE_DIR} ${engine})
    set_tests_properties(board_server_${engine} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
  endforeach()
endif()
