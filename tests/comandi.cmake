# Tests of the main window's commands (insert, modify, delete) through its real widgets.
zelmar_add_test(NAME TestComandiForm1 SOURCES gui/TestComandiForm1.cpp
                LIBS zelmar_form1_testsupport zelmar_editor_testsupport GUI)
