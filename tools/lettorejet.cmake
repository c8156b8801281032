# zelmar-lettore-jet: the reader process that reads Jet files for the program, in the
# program folder beside the executable.
add_executable(zelmar-lettore-jet ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-lettore-jet.cpp)
target_link_libraries(zelmar-lettore-jet PRIVATE zelmar_model Qt6::Core)
set_target_properties(zelmar-lettore-jet PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${ZELMAR_PROGRAM_DIR})
zelmar_warnings(zelmar-lettore-jet)
