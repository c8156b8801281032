# Tests of the rating engine and of zelmar-valuta, run as a process.
zelmar_add_test(NAME TestValutazione SOURCES TestValutazione.cpp LIBS zelmar_rating)
target_compile_definitions(TestValutazione PRIVATE ZELMAR_VALUTA="$<TARGET_FILE:zelmar-valuta>"
                           ZELMAR_DEMO_DIR="${ZELMAR_DEMO_DIR}")
add_dependencies(TestValutazione zelmar-valuta)
