# Tests of the shipped data and of the test data folders the build produces.
zelmar_add_test(NAME TestShippedData SOURCES TestShippedData.cpp LIBS zelmar_model zelmar_rating)
