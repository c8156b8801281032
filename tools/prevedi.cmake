# zelmar-prevedi: the in-situ sound insulation predicted from a JSON description of the
# situation, as JSON. Links neither Qt Widgets nor Qt Gui: the program's translations are added
# to it as resources of its own.
add_executable(zelmar-prevedi ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-prevedi.cpp)
target_link_libraries(zelmar-prevedi PRIVATE zelmar_prediction Qt6::Core)
qt_add_resources(zelmar-prevedi zelmar_prevedi_traduzioni PREFIX /i18n BASE ${ZELMAR_QM_DIR} FILES ${ZELMAR_QM})
set_target_properties(zelmar-prevedi PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-prevedi)
zelmar_strumento_utente(zelmar-prevedi)
