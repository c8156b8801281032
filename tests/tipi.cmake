# A kind added to the table of kinds, found by everything that reads kinds.
zelmar_add_test(NAME TestNuovoTipo SOURCES gui/TestNuovoTipo.cpp LIBS zelmar_form1_testsupport GUI)
