# Where the package puts things, below the installation prefix (/usr for the Debian package):
#   bin/zelmartek             the command that starts the program (avvio/)
#   bin/<tool>                links to the command-line tools for users
#   libexec/zelmartek/        the program, its Access reader process and the tools, side by side
#   share/zelmartek/          pictures, the first Zelmar.ini and the demo data a user starts from
# Nothing below the prefix is ever written by the program: each user's settings and pictures
# live in the user's own folders (config/CartelleUtente).
set(ZELMAR_INSTALL_PROGRAMMI libexec/zelmartek)
set(ZELMAR_INSTALL_CONDIVISI share/zelmartek)
set(ZELMAR_INSTALL_MANUALI share/man/man1)
file(RELATIVE_PATH ZELMAR_DA_COMANDO_A_PROGRAMMI /p/bin /p/${ZELMAR_INSTALL_PROGRAMMI})
file(RELATIVE_PATH ZELMAR_DA_COMANDO_A_CONDIVISI /p/bin /p/${ZELMAR_INSTALL_CONDIVISI})

# zelmar_installa_programmi(<destination> <target>...): programs installed; a stripped
# installation (cpack's) also drops the sections Debian's packages do not ship (.comment, the
# compiler's name; .note), as dh_strip does.
function(zelmar_installa_programmi destinazione)
  install(TARGETS ${ARGN} RUNTIME DESTINATION ${destinazione})
  foreach(programma ${ARGN})
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destinazione}/$<TARGET_FILE_NAME:${programma}>\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()")
  endforeach()
endfunction()

# zelmar_pagina_manuale(<page>): the manual page (troff, section 1) of the command named like
# the page. packaging/ fills in its placeholders (packaging/CMakeLists.txt), compresses and
# installs it.
function(zelmar_pagina_manuale pagina)
  if(NOT EXISTS ${pagina})
    message(FATAL_ERROR "The manual page ${pagina} is missing")
  endif()
  set_property(GLOBAL APPEND PROPERTY ZELMAR_PAGINE_MANUALE ${pagina})
endfunction()

# zelmar_strumento_utente(<tool>): a command-line tool for users, installed beside the program
# (where it finds the Access reader process, whatever link it is started through), on the
# PATH as bin/<tool>, with its manual page tools/<tool>.1.
function(zelmar_strumento_utente strumento)
  zelmar_installa_programmi(${ZELMAR_INSTALL_PROGRAMMI} ${strumento})
  set(collegamento ${CMAKE_BINARY_DIR}/collegamenti/${strumento})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/collegamenti)
  file(CREATE_LINK ${ZELMAR_DA_COMANDO_A_PROGRAMMI}/${strumento} ${collegamento} SYMBOLIC)
  install(FILES ${collegamento} DESTINATION bin)
  zelmar_pagina_manuale(${CMAKE_SOURCE_DIR}/tools/${strumento}.1)
endfunction()
