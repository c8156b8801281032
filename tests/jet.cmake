# Tests of the Access file reader and of the import into the program's own engine, on the
# genuine Access files in tests/fixtures/jet.
set(ZELMAR_JET_TESTDATA "${CMAKE_SOURCE_DIR}/tests/fixtures/jet" CACHE PATH
    "Folder of genuine Jet .mdb files written by Microsoft Access")
target_compile_definitions(zelmar_testsupport PRIVATE ZELMAR_JET_TESTDATA="${ZELMAR_JET_TESTDATA}")
foreach(t TestJetDatabase TestImportazioneJet TestLettoreJetIsolato)
  zelmar_add_test(NAME ${t} SOURCES ${t}.cpp LIBS zelmar_model)
endforeach()

# The main window on a data folder that holds Access files beside the program's own.
zelmar_add_test(NAME TestForm1Jet SOURCES gui/TestForm1Jet.cpp LIBS zelmar_form1_testsupport GUI)
