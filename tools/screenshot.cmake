# zelmar-screenshot: renders the main window showing an entry of each kind, the editor
# on the custom entries, the information and image windows, the comparison window and a data
# sheet's page, to PNG files on the offscreen platform.
add_executable(zelmar-screenshot ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-screenshot.cpp
               ${CMAKE_CURRENT_SOURCE_DIR}/SchermateProgetto.cpp ${CMAKE_CURRENT_SOURCE_DIR}/SchermateProgetto.h)
target_link_libraries(zelmar-screenshot PRIVATE zelmar_browser zelmar_design zelmar_editor zelmar_ui zelmar_config zelmar_app zelmar_model)
target_compile_definitions(zelmar-screenshot PRIVATE ZELMAR_CARTELLA_PROGRAMMA="${ZELMAR_PROGRAM_DIR}"
                           ZELMAR_LOGO="${CMAKE_SOURCE_DIR}/packaging/it.zelmartek.zelmartek.svg")
set_target_properties(zelmar-screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-screenshot)
add_dependencies(zelmar-screenshot zelmar_data)
