# zelmar-makeimages: draws the pictures of the program folder's image folders from the list
# data/immagini.tsv (QImage and QPainter on the offscreen platform; nothing is downloaded).
add_executable(zelmar-makeimages
  ${CMAKE_CURRENT_SOURCE_DIR}/zelmar-makeimages.cpp
  ${CMAKE_SOURCE_DIR}/model/Categorie.cpp ${CMAKE_SOURCE_DIR}/model/RecordSchema.cpp)
target_include_directories(zelmar-makeimages PRIVATE ${CMAKE_SOURCE_DIR}/model)
target_link_libraries(zelmar-makeimages PRIVATE Qt6::Gui)
set_target_properties(zelmar-makeimages PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
zelmar_warnings(zelmar-makeimages)
