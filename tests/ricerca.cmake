# Tests of the search: the criteria on a copy of the demo data with an Access file and a
# damaged one, zelmar-cerca run as a process, and the search window from the main window.
zelmar_add_test(NAME TestRicerca SOURCES TestRicerca.cpp LIBS zelmar_search)
target_compile_definitions(TestRicerca PRIVATE ZELMAR_CERCA="$<TARGET_FILE:zelmar-cerca>")
add_dependencies(TestRicerca zelmar-cerca)
zelmar_add_test(NAME TestRicercaDaForm1 SOURCES gui/TestRicercaDaForm1.cpp LIBS zelmar_form1_testsupport GUI)
