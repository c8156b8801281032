# Tests of the material editor: key filters, the save's storage sequence, the window.
zelmar_add_test(NAME TestModuleTextControl SOURCES TestModuleTextControl.cpp LIBS zelmar_editor)
zelmar_add_test(NAME TestSalvataggioMateriale SOURCES TestSalvataggioMateriale.cpp LIBS zelmar_model)
zelmar_add_test(NAME TestForm3 SOURCES gui/TestForm3.cpp LIBS zelmar_editor GUI)
# Drives the modal editor from the window tests.
add_library(zelmar_editor_testsupport STATIC gui/GuidaEditor.cpp gui/GuidaEditor.h)
target_include_directories(zelmar_editor_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/gui)
target_link_libraries(zelmar_editor_testsupport PUBLIC zelmar_editor Qt6::Widgets)
zelmar_warnings(zelmar_editor_testsupport)

zelmar_add_test(NAME TestForm3DaForm1 SOURCES gui/TestForm3DaForm1.cpp
                LIBS zelmar_browser zelmar_editor_testsupport GUI)
