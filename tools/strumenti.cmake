# What the command-line tools share: their start, their messages of wrong usage and of files
# that cannot be read, the safe writing of their output files, the database files whose names
# cannot be read. Qt Core only, as the tools that do not draw.
add_library(zelmar_strumenti STATIC ${CMAKE_CURRENT_SOURCE_DIR}/Strumenti.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Strumenti.h
            ${CMAKE_CURRENT_SOURCE_DIR}/FileDiUscita.cpp ${CMAKE_CURRENT_SOURCE_DIR}/FileDiUscita.h
            ${CMAKE_CURRENT_SOURCE_DIR}/NomiNonUtf8.cpp ${CMAKE_CURRENT_SOURCE_DIR}/NomiNonUtf8.h)
target_link_libraries(zelmar_strumenti PUBLIC zelmar_config zelmar_exchange zelmar_model Qt6::Core)
target_include_directories(zelmar_strumenti PUBLIC ${CMAKE_SOURCE_DIR})
set_target_properties(zelmar_strumenti PROPERTIES AUTOMOC OFF)
zelmar_warnings(zelmar_strumenti)
