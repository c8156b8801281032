# zelmar-prevedi: the in-situ sound insulation predicted from a JSON description of the
# situation, as JSON; the walls or floors of a data folder that pass in it, as CSV.
add_executable(zelmar-prevedi ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-prevedi.cpp)
target_link_libraries(zelmar-prevedi PRIVATE zelmar_prediction zelmar_strumenti zelmar_exchange zelmar_avvio zelmar_app)
set_target_properties(zelmar-prevedi PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-prevedi)
zelmar_strumento_utente(zelmar-prevedi)
