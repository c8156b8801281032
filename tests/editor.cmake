# Tests of the material editor: key filters, the save's storage sequence, the window.
zelmar_add_test(NAME TestModuleTextControl SOURCES TestModuleTextControl.cpp LIBS zelmar_editor)
zelmar_add_test(NAME TestSalvataggioMateriale SOURCES TestSalvataggioMateriale.cpp LIBS zelmar_model)
zelmar_add_test(NAME TestForm3 SOURCES gui/TestForm3.cpp LIBS zelmar_form1_testsupport GUI)
