# Tests of the data model and the storage engine.
zelmar_add_test(NAME TestSqliteDatabase SOURCES TestSqliteDatabase.cpp LIBS zelmar_model)
zelmar_add_test(NAME TestRecordSchema SOURCES TestRecordSchema.cpp LIBS zelmar_model)
zelmar_add_test(NAME TestValutazioneMateriale SOURCES TestValutazioneMateriale.cpp LIBS zelmar_model)
