# zelmar-condividi: moves a laboratory's custom database between a file and the shared
# database on a PostgreSQL server.
add_executable(zelmar-condividi ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-condividi.cpp)
target_link_libraries(zelmar-condividi PRIVATE zelmar_strumenti zelmar_config zelmar_model Qt6::Core SQLite::SQLite3)
set_target_properties(zelmar-condividi PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-condividi)
add_dependencies(zelmar-condividi zelmar-lettore-jet)
zelmar_strumento_utente(zelmar-condividi)
