# The search through every database of a large data folder.
zelmar_bench(zelmar-bench-ricerca zelmar_searchwindow)
