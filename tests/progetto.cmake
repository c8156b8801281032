# The design window driven through the real main window on a copy of the demo data, against
# zelmar-prevedi run as a process on the project it saves.
zelmar_add_test(NAME TestProgetto SOURCES gui/TestProgetto.cpp LIBS zelmar_form1_testsupport zelmar_design GUI)
target_compile_definitions(TestProgetto PRIVATE ZELMAR_PREVEDI="$<TARGET_FILE:zelmar-prevedi>")
add_dependencies(TestProgetto zelmar-prevedi)
