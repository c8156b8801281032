# What the command-line tools share: the safe writing of their output files, the database
# files whose names cannot be read.
add_library(zelmar_strumenti STATIC ${CMAKE_CURRENT_SOURCE_DIR}/FileDiUscita.cpp ${CMAKE_CURRENT_SOURCE_DIR}/FileDiUscita.h
            ${CMAKE_CURRENT_SOURCE_DIR}/NomiNonUtf8.cpp ${CMAKE_CURRENT_SOURCE_DIR}/NomiNonUtf8.h)
target_link_libraries(zelmar_strumenti PUBLIC zelmar_model Qt6::Core)
target_include_directories(zelmar_strumenti PUBLIC ${CMAKE_SOURCE_DIR})
set_target_properties(zelmar_strumenti PROPERTIES AUTOMOC OFF)
zelmar_warnings(zelmar_strumenti)
