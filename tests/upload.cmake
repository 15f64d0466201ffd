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

# hwdex-cli analyse --upload as a process against the test server: natively, and the Windows
# programs (64- and 32-bit) under Wine, each in a prefix of its own.
set(upload_cli ${CMAKE_CURRENT_SOURCE_DIR}/e2e/upload-cli)
if(CMAKE_CROSSCOMPILING)
  math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
  add_test(NAME upload_cli COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/run-in-wine --script ${upload_cli}
    --wine ${bits} $<TARGET_FILE:hwdex-cli> ${HWDEX_SHOP_DB_DIR} ${HWDEX_VERSION_TEXT})
  hwdex_wine_test(upload_cli)
  set_property(TEST upload_cli APPEND PROPERTY FIXTURES_REQUIRED shop_db)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    set(win32_cli ${PROJECT_SOURCE_DIR}/build/win32/bin/hwdex-cli.exe)
    add_test(NAME upload_cli_win32 COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/if-wine32
      ${PROJECT_SOURCE_DIR}/tests/wine/run-in-wine --script ${upload_cli}
      --wine 32 ${win32_cli} ${HWDEX_SHOP_DB_DIR} ${HWDEX_VERSION_TEXT})
    hwdex_wine_test(upload_cli_win32)
    set_property(TEST upload_cli_win32 APPEND PROPERTY FIXTURES_REQUIRED shop_db)
    set_tests_properties(upload_cli_win32 PROPERTIES REQUIRED_FILES ${win32_cli} SKIP_RETURN_CODE 77)
  endif()
else()
  add_test(NAME upload_cli COMMAND ${upload_cli} $<TARGET_FILE:hwdex-cli> ${HWDEX_SHOP_DB_DIR} ${HWDEX_VERSION_TEXT})
  set_tests_properties(upload_cli PROPERTIES FIXTURES_REQUIRED shop_db LABELS "shop;e2e" TIMEOUT 120)
endif()
