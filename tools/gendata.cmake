# zelmar-gendata: large, seeded data folders for the benchmarks.
add_executable(zelmar-gendata ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-gendata.cpp)
target_link_libraries(zelmar-gendata PRIVATE zelmar_model Qt6::Core SQLite::SQLite3)
target_include_directories(zelmar-gendata PRIVATE ${CMAKE_SOURCE_DIR}/model ${CMAKE_SOURCE_DIR}/storage)
set_target_properties(zelmar-gendata PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-gendata)
