# Tests of the windows driven through their real widgets on copies of the fixture data.
add_library(zelmar_form1_testsupport STATIC gui/TestForm1Ambiente.cpp gui/TestForm1Ambiente.h)
target_include_directories(zelmar_form1_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/gui)
target_link_libraries(zelmar_form1_testsupport PUBLIC zelmar_browser zelmar_testsupport Qt6::Test)
zelmar_warnings(zelmar_form1_testsupport)

foreach(t Avvio Albero Elenco Dettaglio Guasti Chiusura)
  zelmar_add_test(NAME TestForm1${t} SOURCES gui/TestForm1${t}.cpp LIBS zelmar_form1_testsupport GUI)
endforeach()
zelmar_add_test(NAME TestComandiForm1 SOURCES gui/TestComandiForm1.cpp LIBS zelmar_form1_testsupport GUI)
zelmar_add_test(NAME TestValutazioniFinestre SOURCES gui/TestValutazioniFinestre.cpp LIBS zelmar_form1_testsupport GUI)

# The screen renderer runs through every table of the demo data without a message box.
add_test(NAME TestZelmarScreenshot
         COMMAND zelmar-screenshot --programma ${ZELMAR_FIXTURE_DIR}/programma ${CMAKE_BINARY_DIR}/screens)
set_tests_properties(TestZelmarScreenshot PROPERTIES LABELS gui TIMEOUT 300
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=it_IT.UTF-8;LC_ALL=it_IT.UTF-8;ASAN_OPTIONS=detect_leaks=0")
