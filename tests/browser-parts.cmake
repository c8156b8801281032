# Tests of the main window's self-contained parts.
zelmar_add_test(NAME TestGraficoFrequenze SOURCES TestGraficoFrequenze.cpp LIBS zelmar_browser_parts)
zelmar_add_test(NAME TestLayoutForm1 SOURCES TestLayoutForm1.cpp LIBS zelmar_browser_parts)
