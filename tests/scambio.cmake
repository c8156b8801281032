# Band values through the clipboard and CSV writing.
zelmar_add_test(NAME TestScambio SOURCES TestScambio.cpp LIBS zelmar_exchange)
