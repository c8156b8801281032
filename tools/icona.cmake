# zelmar-icona: renders the program's icon (packaging/*.svg) as PNG files at build time.
find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(zelmar-icona ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-icona.cpp)
target_link_libraries(zelmar-icona PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(zelmar-icona PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-icona)
