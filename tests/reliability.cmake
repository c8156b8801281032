# Reliability: saves that survive a killed process, a failing disk and a second copy of the
# program; names and files from outside that cannot reach outside their place.
zelmar_add_test(NAME TestFaultInjection SOURCES TestFaultInjection.cpp LIBS zelmar_model)

# Helper programs the tests run as other processes.
foreach(p SalvataggiInterrotti AltraIstanza)
  add_executable(${p} ${p}.cpp)
  target_link_libraries(${p} PRIVATE zelmar_testsupport)
  zelmar_warnings(${p})
  set_target_properties(${p} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endforeach()
zelmar_add_test(NAME TestSalvataggiInterrotti SOURCES TestSalvataggiInterrotti.cpp LIBS zelmar_model)
target_compile_definitions(TestSalvataggiInterrotti PRIVATE
  ZELMAR_SALVATAGGI_INTERROTTI="$<TARGET_FILE:SalvataggiInterrotti>")
add_dependencies(TestSalvataggiInterrotti SalvataggiInterrotti)
zelmar_add_test(NAME TestDueIstanze SOURCES TestDueIstanze.cpp LIBS zelmar_model)
target_compile_definitions(TestDueIstanze PRIVATE ZELMAR_ALTRA_ISTANZA="$<TARGET_FILE:AltraIstanza>")
add_dependencies(TestDueIstanze AltraIstanza)

zelmar_add_test(NAME TestNomiDaFuori SOURCES TestNomiDaFuori.cpp LIBS zelmar_browser zelmar_editor)

# The fuzzer's reader of hostile files, replayed over the kept corpus as a plain test.
zelmar_add_test(NAME TestFileOstili SOURCES TestFileOstili.cpp ${CMAKE_SOURCE_DIR}/fuzz/EsploraFile.cpp
                LIBS zelmar_model zelmar_app)
target_include_directories(TestFileOstili PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)

# The same failing disk under the real windows: editor and deletion.
zelmar_add_test(NAME TestGuastiDaForm1 SOURCES gui/TestGuastiDaForm1.cpp
                LIBS zelmar_form1_testsupport zelmar_editor_testsupport GUI)
