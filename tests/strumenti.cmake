# The command-line tools link Qt's Gui and Widgets libraries only where they draw.
add_test(NAME TestStrumentiSenzaFinestre
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/TestStrumentiSenzaFinestre.sh ${CMAKE_BINARY_DIR}/tools)
