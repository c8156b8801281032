# zelmar-valuta: the ratings of a band curve by ISO 717, as JSON; the check of a whole data
# folder's stored ratings, as CSV.
add_executable(zelmar-valuta ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-valuta.cpp)
target_link_libraries(zelmar-valuta PRIVATE zelmar_strumenti zelmar_search zelmar_model zelmar_exchange zelmar_config)
set_target_properties(zelmar-valuta PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-valuta)
zelmar_strumento_utente(zelmar-valuta)
