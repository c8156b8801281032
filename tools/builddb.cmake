# zelmar-builddb: turns the text sources under data/ and tests/fixtures/ into database files.
# It reads the table layouts from the model's category and record-schema tables, but not the
# storage engine, so the shipped data builds whatever state the engine is in.
add_executable(zelmar-builddb
  ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-builddb.cpp
  ${CMAKE_SOURCE_DIR}/model/Categorie.cpp
  ${CMAKE_SOURCE_DIR}/model/RecordSchema.cpp
  ${CMAKE_SOURCE_DIR}/storage/SqliteSchema.cpp)
target_include_directories(zelmar-builddb PRIVATE ${CMAKE_SOURCE_DIR}/model ${CMAKE_SOURCE_DIR}/storage)
target_link_libraries(zelmar-builddb PRIVATE Qt6::Core SQLite::SQLite3)
set_target_properties(zelmar-builddb PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-builddb)
