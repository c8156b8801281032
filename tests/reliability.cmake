# Reliability: saves that survive a killed process, a failing disk and a second copy of the
# program; names and files from outside that cannot reach outside their place.
zelmar_add_test(NAME TestFaultInjection SOURCES TestFaultInjection.cpp LIBS zelmar_model)

# Another copy of the program, run as a process of its own: it saves, deletes, holds the
# file, or saves for ever until it is killed.
add_executable(AltraIstanza AltraIstanza.cpp)
target_link_libraries(AltraIstanza PRIVATE zelmar_testsupport)
zelmar_warnings(AltraIstanza)
set_target_properties(AltraIstanza PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
foreach(t TestSalvataggiInterrotti TestDueIstanze)
  zelmar_add_test(NAME ${t} SOURCES ${t}.cpp LIBS zelmar_model)
  target_compile_definitions(${t} PRIVATE ZELMAR_ALTRA_ISTANZA="$<TARGET_FILE:AltraIstanza>")
  add_dependencies(${t} AltraIstanza)
endforeach()
target_compile_definitions(TestDueIstanze PRIVATE ZELMAR_CONDIVIDI="$<TARGET_FILE:zelmar-condividi>")
add_dependencies(TestDueIstanze zelmar-condividi)

zelmar_add_test(NAME TestNomiDaFuori SOURCES TestNomiDaFuori.cpp LIBS zelmar_browser zelmar_editor)

# The fuzzer's reader of hostile files, replayed over the kept corpus as a plain test.
zelmar_add_test(NAME TestFileOstili SOURCES TestFileOstili.cpp ${CMAKE_SOURCE_DIR}/fuzz/EsploraFile.cpp
                LIBS zelmar_model zelmar_app)
target_include_directories(TestFileOstili PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)

# The command-line tools under hostile arguments and files, killed mid-copy; the server
# holding a lock or stopped.
zelmar_add_test(NAME TestStrumentiOstili SOURCES TestStrumentiOstili.cpp LIBS zelmar_model)
target_compile_definitions(TestStrumentiOstili PRIVATE ZELMAR_STRUMENTI="${CMAKE_BINARY_DIR}/tools")
add_dependencies(TestStrumentiOstili zelmar-esporta zelmar-condividi zelmar-valuta zelmar-cerca zelmar-importjet)
