# Reliability: saves that survive a killed process, a failing disk and a second copy of the
# program; names and files from outside that cannot reach outside their place.
add_library(zelmar_reliability_support STATIC
  FaultVfs.cpp FaultVfs.h FotografiaDatabase.cpp FotografiaDatabase.h VoceDiProva.cpp VoceDiProva.h)
target_link_libraries(zelmar_reliability_support PUBLIC zelmar_model SQLite::SQLite3)
target_include_directories(zelmar_reliability_support PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
zelmar_warnings(zelmar_reliability_support)

zelmar_add_test(NAME TestFaultInjection SOURCES TestFaultInjection.cpp LIBS zelmar_reliability_support)

add_executable(SalvataggiInterrotti SalvataggiInterrotti.cpp)
target_link_libraries(SalvataggiInterrotti PRIVATE zelmar_reliability_support)
zelmar_warnings(SalvataggiInterrotti)
set_target_properties(SalvataggiInterrotti PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
zelmar_add_test(NAME TestSalvataggiInterrotti SOURCES TestSalvataggiInterrotti.cpp LIBS zelmar_reliability_support)
target_compile_definitions(TestSalvataggiInterrotti PRIVATE
  ZELMAR_SALVATAGGI_INTERROTTI="$<TARGET_FILE:SalvataggiInterrotti>")
add_dependencies(TestSalvataggiInterrotti SalvataggiInterrotti)

zelmar_add_test(NAME TestNomiDaFuori SOURCES TestNomiDaFuori.cpp LIBS zelmar_browser zelmar_editor)

add_executable(AltraIstanza AltraIstanza.cpp)
target_link_libraries(AltraIstanza PRIVATE zelmar_reliability_support)
zelmar_warnings(AltraIstanza)
set_target_properties(AltraIstanza PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
zelmar_add_test(NAME TestDueIstanze SOURCES TestDueIstanze.cpp LIBS zelmar_reliability_support)
target_compile_definitions(TestDueIstanze PRIVATE ZELMAR_ALTRA_ISTANZA="$<TARGET_FILE:AltraIstanza>")
add_dependencies(TestDueIstanze AltraIstanza)

# The fuzzer's reader of hostile files, replayed over the kept corpus as a plain test.
zelmar_add_test(NAME TestFileOstili SOURCES TestFileOstili.cpp ${CMAKE_SOURCE_DIR}/fuzz/EsploraFile.cpp
                LIBS zelmar_model zelmar_app)
target_include_directories(TestFileOstili PRIVATE ${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_SOURCE_DIR}/model)
