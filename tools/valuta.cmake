# zelmar-valuta: the ratings of a band curve by ISO 717, as JSON.
add_executable(zelmar-valuta ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-valuta.cpp)
target_link_libraries(zelmar-valuta PRIVATE zelmar_rating)
set_target_properties(zelmar-valuta PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-valuta)
zelmar_strumento_utente(zelmar-valuta)
