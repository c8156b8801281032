# The benchmarks: programs that print their figures. scripts/bench.sh builds them
# optimised, writes the large data folders and runs them.
add_library(zelmar_bench_support STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Misure.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Misure.h
  ${CMAKE_CURRENT_SOURCE_DIR}/CartellaProgrammaBench.cpp ${CMAKE_CURRENT_SOURCE_DIR}/CartellaProgrammaBench.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PavimentoElenco.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PavimentoElenco.h
  ${CMAKE_CURRENT_SOURCE_DIR}/NuovaParete.cpp ${CMAKE_CURRENT_SOURCE_DIR}/NuovaParete.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PerOgniCartella.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PerOgniCartella.h)
target_link_libraries(zelmar_bench_support PUBLIC zelmar_app Qt6::Core SQLite::SQLite3)
target_include_directories(zelmar_bench_support PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
set_target_properties(zelmar_bench_support PROPERTIES AUTOMOC OFF)
zelmar_warnings(zelmar_bench_support)

# What the benchmarks that drive the main window share.
add_library(zelmar_bench_finestra STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/FinestraMisurata.cpp ${CMAKE_CURRENT_SOURCE_DIR}/FinestraMisurata.h)
target_link_libraries(zelmar_bench_finestra PUBLIC zelmar_bench_support zelmar_browser)
set_target_properties(zelmar_bench_finestra PROPERTIES AUTOMOC OFF)
zelmar_warnings(zelmar_bench_finestra)

function(zelmar_bench nome)
  add_executable(${nome} ${CMAKE_CURRENT_SOURCE_DIR}/${nome}.cpp)
  target_link_libraries(${nome} PRIVATE zelmar_bench_support ${ARGN})
  set_target_properties(${nome} PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  zelmar_warnings(${nome})
endfunction()

zelmar_bench(zelmar-bench-elenco zelmar_bench_finestra zelmar_browser zelmar_editor zelmar_ui zelmar_app zelmar_model SQLite::SQLite3 Qt6::Widgets)
zelmar_bench(zelmar-bench-avvio)
# The window's actions as the user sees them, each with its target and floor.
zelmar_bench(zelmar-bench-azioni zelmar_bench_finestra zelmar_browser zelmar_editor zelmar_ui zelmar_app zelmar_model Qt6::Widgets)
zelmar_bench(zelmar-bench-salvataggio zelmar_model)
zelmar_bench(zelmar-bench-jet zelmar_model)
zelmar_bench(zelmar-bench-valutazione zelmar_rating)
zelmar_bench(zelmar-bench-previsione zelmar_prediction)
zelmar_bench(zelmar-bench-verifica)
zelmar_bench(zelmar-bench-condiviso zelmar_model)
zelmar_bench(zelmar-bench-condividi SQLite::SQLite3)
# "Which constructions pass here?" on the walls of a large data folder.
zelmar_bench(zelmar-bench-candidati zelmar_prediction)
