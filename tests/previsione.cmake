# Tests of the prediction engine and of zelmar-prevedi, run as a process.
zelmar_add_test(NAME TestPrevisione SOURCES TestPrevisione.cpp LIBS zelmar_prediction)
target_compile_definitions(TestPrevisione PRIVATE ZELMAR_PREVEDI="$<TARGET_FILE:zelmar-prevedi>")
add_dependencies(TestPrevisione zelmar-prevedi)
