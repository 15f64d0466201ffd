# Tests of the update check's rules, the updater, the setup program and the product web site.
hwdex_test(update_tests
  app/update_rules_test.cpp
  app/file_hash_test.cpp
  app/update_check_road_test.cpp)

hwdex_test(updater_tests updater/updater_road_test.cpp)
target_link_libraries(updater_tests PRIVATE hx_updater_road)
