# Debian's build flags, as dpkg-buildflags gives them to Debian's own packages, for every
# program of the normal build (the package is made from it, and the tests run what it ships):
# fortified C library calls, the stack protector, format checks, relocations read-only and
# bound at start (relro, now). Executables are position-independent by the compiler's default.
# Not in the sanitizer build, where fortified calls would bypass AddressSanitizer's checks.
# The file-path mappings of reproducible builds are left out: they name the source folder,
# which would keep the shared compiler cache from serving one worktree's objects to another.
find_program(ZELMAR_DPKG_BUILDFLAGS dpkg-buildflags)
if(ZELMAR_DPKG_BUILDFLAGS AND NOT ZELMAR_SANITIZE)
  function(zelmar_opzione_debian nome risultato)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
              ${ZELMAR_DPKG_BUILDFLAGS} --get ${nome}
      OUTPUT_VARIABLE valore OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${risultato} "${valore}" PARENT_SCOPE)
  endfunction()
  zelmar_opzione_debian(CPPFLAGS preprocessore)
  zelmar_opzione_debian(CFLAGS c)
  zelmar_opzione_debian(CXXFLAGS cxx)
  zelmar_opzione_debian(LDFLAGS collegamento)
  string(APPEND CMAKE_C_FLAGS " ${preprocessore} ${c}")
  string(APPEND CMAKE_CXX_FLAGS " ${preprocessore} ${cxx}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${collegamento}")
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${collegamento}")
  set(ZELMAR_OPZIONI_DEBIAN ON)
endif()
