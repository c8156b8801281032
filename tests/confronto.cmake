# The comparison of curves and the data sheet.
zelmar_add_test(NAME TestConfronto SOURCES TestConfronto.cpp LIBS zelmar_comparison)
zelmar_add_test(NAME TestScheda SOURCES TestScheda.cpp LIBS zelmar_sheet_pagina zelmar_comparison)
zelmar_add_test(NAME TestComandiVoce SOURCES gui/TestComandiVoce.cpp LIBS zelmar_form1_testsupport GUI)
