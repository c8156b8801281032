# Tests of the configuration, the paths and the message catalogue.
zelmar_add_test(NAME TestZelmarCommonModule SOURCES TestZelmarCommonModule.cpp LIBS zelmar_app)
