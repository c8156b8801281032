# Tests of the configuration, the paths and the message catalogue.
zelmar_add_test(NAME TestZelmarCommonModule SOURCES TestZelmarCommonModule.cpp LIBS zelmar_config)
# Qt's texts, the calendars and the program's own texts in the configured language.
zelmar_add_test(NAME TestTraduzioni SOURCES TestTraduzioni.cpp LIBS zelmar_browser zelmar_editor zelmar_config GUI)
