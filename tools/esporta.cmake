# zelmar-esporta: the data sheet of one entry as PDF, or a whole table as CSV.
add_executable(zelmar-esporta ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-esporta.cpp)
target_link_libraries(zelmar-esporta PRIVATE zelmar_strumenti zelmar_sheet_pagina zelmar_browser_immagine zelmar_exchange zelmar_config zelmar_model)
set_target_properties(zelmar-esporta PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-esporta)
add_dependencies(zelmar-esporta zelmar-lettore-jet)
zelmar_strumento_utente(zelmar-esporta)
