# The comparison of curves and the data sheet.
zelmar_add_test(NAME TestConfronto SOURCES TestConfronto.cpp LIBS zelmar_comparison)
zelmar_add_test(NAME TestScheda SOURCES TestScheda.cpp LIBS zelmar_sheet)
zelmar_add_test(NAME TestComandiVoce SOURCES gui/TestComandiVoce.cpp LIBS zelmar_form1_testsupport GUI)
zelmar_add_test(NAME TestZelmarEsporta SOURCES TestZelmarEsporta.cpp LIBS zelmar_model)
target_compile_definitions(TestZelmarEsporta PRIVATE ZELMAR_ESPORTA="$<TARGET_FILE:zelmar-esporta>")
add_dependencies(TestZelmarEsporta zelmar-esporta)
