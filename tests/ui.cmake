# Tests of the presentation utilities shared by the windows.
zelmar_add_test(NAME TestDidascaliaAdattata SOURCES TestDidascaliaAdattata.cpp LIBS zelmar_ui GUI)
