# The shop: the connection to its MySQL database, the catalogue the part picker lists and the
# uploads of configurations, with the client library. Its own library, so that the scan engine
# (hwdex_core) and the fuzz build stay free of the client.
include(${PROJECT_SOURCE_DIR}/cmake/mariadb.cmake)
add_library(hwdex_shop STATIC
  ${CMAKE_CURRENT_LIST_DIR}/shop_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shop_catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/upload.cpp)
target_link_libraries(hwdex_shop PUBLIC hwdex_core hwdex_mariadb)
