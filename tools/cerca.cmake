# zelmar-cerca: the entries of every database of a data folder that meet the criteria, as CSV.
add_executable(zelmar-cerca ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-cerca.cpp)
target_link_libraries(zelmar-cerca PRIVATE zelmar_strumenti zelmar_search zelmar_exchange zelmar_config zelmar_model)
set_target_properties(zelmar-cerca PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-cerca)
add_dependencies(zelmar-cerca zelmar-lettore-jet)
zelmar_strumento_utente(zelmar-cerca)
