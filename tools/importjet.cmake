# zelmar-importjet: converts the Jet files of a data folder into the program's own engine.
add_executable(zelmar-importjet ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-importjet.cpp)
target_link_libraries(zelmar-importjet PRIVATE zelmar_strumenti zelmar_config zelmar_model Qt6::Core)
set_target_properties(zelmar-importjet PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-importjet)
add_dependencies(zelmar-importjet zelmar-lettore-jet)
zelmar_strumento_utente(zelmar-importjet)
