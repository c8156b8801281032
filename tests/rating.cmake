# Tests of the rating engine and of zelmar-valuta, run as a process.
zelmar_add_test(NAME TestValutazione SOURCES TestValutazione.cpp LIBS zelmar_rating)
target_compile_definitions(TestValutazione PRIVATE ZELMAR_VALUTA="$<TARGET_FILE:zelmar-valuta>")
add_dependencies(TestValutazione zelmar-valuta)
