# The Debian package, built, validated, unpacked and started (not in the sanitizer build).
if(NOT ZELMAR_SANITIZE)
  add_test(NAME TestPacchetto COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/TestPacchetto.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
  set_tests_properties(TestPacchetto PROPERTIES TIMEOUT 1500)
endif()
