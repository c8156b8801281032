# zelmar-svgjpeg: renders the SVG drawings under data/immagine to the program's JPEG pictures.
add_executable(zelmar-svgjpeg ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-svgjpeg.cpp)
target_link_libraries(zelmar-svgjpeg PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(zelmar-svgjpeg PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-svgjpeg)
