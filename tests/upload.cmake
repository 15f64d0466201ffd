# The uploads of configurations: the article texts and the road of one upload, natively against the
# test run's shop database (the Windows program's uploads are tried through hwdex-cli.exe under Wine).
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(upload_tests
    assembly/shop_server.cpp assembly/upload_fixture.cpp
    assembly/upload_content_test.cpp assembly/upload_road_test.cpp)
  target_link_libraries(upload_tests PRIVATE hwdex_test_support hwdex_shop)
  target_compile_definitions(upload_tests PRIVATE HWDEX_SHOP_DB_DIR="${HWDEX_SHOP_DB_DIR}")
  gtest_discover_tests(upload_tests DISCOVERY_TIMEOUT 60 PROPERTIES FIXTURES_REQUIRED shop_db LABELS shop)
  # The golden machine article is rewritten with the fixture machines' pages.
  add_dependencies(regenerate-golden upload_tests)
  add_custom_command(TARGET regenerate-golden POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E env HWDEX_REGENERATE_GOLDEN=1 $<TARGET_FILE:upload_tests>
      --gtest_filter=MachineArticleGolden.*)
endif()
