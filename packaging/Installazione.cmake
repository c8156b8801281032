# Where the package puts things, below the installation prefix (/usr for the Debian package):
#   bin/zelmartek             the command that starts the program (avvio/)
#   bin/<tool>                links to the command-line tools for users
#   libexec/zelmartek/            the program, its Access reader process and the tools, side by side
#   share/zelmartek/          pictures, the first Zelmar.ini and the demo data a user starts from
set(ZELMAR_INSTALL_PROGRAMMI libexec/zelmartek)
set(ZELMAR_INSTALL_CONDIVISI share/zelmartek)
set(ZELMAR_INSTALL_MANUALI share/man/man1)
file(RELATIVE_PATH ZELMAR_DA_COMANDO_A_PROGRAMMI /p/bin /p/${ZELMAR_INSTALL_PROGRAMMI})
file(RELATIVE_PATH ZELMAR_DA_COMANDO_A_CONDIVISI /p/bin /p/${ZELMAR_INSTALL_CONDIVISI})

# Installed programs resolve their symbols at start and get read-only relocations.
function(zelmar_collegamento_protetto)
  foreach(programma ${ARGN})
    target_link_options(${programma} PRIVATE LINKER:-z,relro,-z,now)
  endforeach()
endfunction()

# A manual page (troff, section 1), compressed at build time and installed.
function(zelmar_pagina_manuale pagina)
  get_filename_component(nome ${pagina} NAME)
  if(NOT EXISTS ${pagina})
    message(FATAL_ERROR "The manual page ${pagina} is missing")
  endif()
  set(compressa ${CMAKE_BINARY_DIR}/manuali/${nome}.gz)
  add_custom_command(OUTPUT ${compressa}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${pagina} ${compressa}
    DEPENDS ${pagina} COMMENT "Manual page ${nome}" VERBATIM)
  add_custom_target(manuale_${nome} ALL DEPENDS ${compressa})
  install(FILES ${compressa} DESTINATION ${ZELMAR_INSTALL_MANUALI})
endfunction()

# zelmar_strumento_utente(<tool>): a command-line tool for users, installed beside the program
# (where it finds the Access reader process, whatever link it is started through), on the
# PATH as bin/<tool>, with its manual page tools/<tool>.1.
function(zelmar_strumento_utente strumento)
  install(TARGETS ${strumento} RUNTIME DESTINATION ${ZELMAR_INSTALL_PROGRAMMI})
  zelmar_collegamento_protetto(${strumento})
  set(collegamento ${CMAKE_BINARY_DIR}/collegamenti/${strumento})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/collegamenti)
  file(CREATE_LINK ${ZELMAR_DA_COMANDO_A_PROGRAMMI}/${strumento} ${collegamento} SYMBOLIC)
  install(FILES ${collegamento} DESTINATION bin)
  zelmar_pagina_manuale(${CMAKE_SOURCE_DIR}/tools/${strumento}.1)
endfunction()
