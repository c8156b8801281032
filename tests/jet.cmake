# Tests of the Jet file reader and of the import into the program's own engine, on the
# genuine Access files kept beside the project.
set(ZELMAR_JET_TESTDATA "${CMAKE_SOURCE_DIR}/../shared/testdata/jet" CACHE PATH
    "Folder of genuine Jet .mdb files written by Microsoft Access")
zelmar_add_test(NAME TestJetDatabase SOURCES TestJetDatabase.cpp LIBS zelmar_model)
target_compile_definitions(TestJetDatabase PRIVATE ZELMAR_JET_TESTDATA="${ZELMAR_JET_TESTDATA}")
