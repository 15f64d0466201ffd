# The shop tests against a private MariaDB server (tests/db/shop-db) that the test run starts first
# and stops last, natively and for the Windows programs under Wine (fixture shop_db).
set(HWDEX_SHOP_DB_DIR ${CMAKE_BINARY_DIR}/shop-db)
add_test(NAME shop_db_start COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/db/shop-db start ${HWDEX_SHOP_DB_DIR})
add_test(NAME shop_db_stop COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/db/shop-db stop ${HWDEX_SHOP_DB_DIR})
set_tests_properties(shop_db_start PROPERTIES FIXTURES_SETUP shop_db TIMEOUT 120 LABELS shop
  ENVIRONMENT HWDEX_REAL_FIXTURES=${PROJECT_SOURCE_DIR}/../shared/fixtures/real)
set_tests_properties(shop_db_stop PROPERTIES FIXTURES_CLEANUP shop_db TIMEOUT 60 LABELS shop)

# The connection and the catalogue as units, with the same test program in both builds.
add_executable(shop_tests
  assembly/shop_server.cpp assembly/shop_connection_test.cpp assembly/shop_catalogue_test.cpp)
target_link_libraries(shop_tests PRIVATE hwdex_test_support hwdex_shop)
target_compile_definitions(shop_tests PRIVATE HWDEX_SHOP_DB_DIR="${HWDEX_PATH_PREFIX}${HWDEX_SHOP_DB_DIR}")
if(CMAKE_CROSSCOMPILING)
  add_test(NAME shop_tests COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/run-in-wine $<TARGET_FILE:shop_tests>)
  hwdex_wine_test(shop_tests)
  set_property(TEST shop_tests APPEND PROPERTY FIXTURES_REQUIRED shop_db)
else()
  gtest_discover_tests(shop_tests DISCOVERY_TIMEOUT 60 PROPERTIES FIXTURES_REQUIRED shop_db LABELS shop)
endif()

# hwdex-cli shop's command line.
hwdex_test(cli_shop_tests cli/cli_shop_test.cpp)
target_link_libraries(cli_shop_tests PRIVATE hwdex_cli_shop)

# hwdex-cli shop as a process: natively, and the Windows programs (64- and 32-bit) under Wine.
set(shop_cli ${CMAKE_CURRENT_SOURCE_DIR}/e2e/shop-cli)
if(CMAKE_CROSSCOMPILING)
  add_test(NAME shop_cli COMMAND ${shop_cli} --wine $<TARGET_FILE:hwdex-cli> ${HWDEX_SHOP_DB_DIR})
  hwdex_wine_test(shop_cli)
  set_property(TEST shop_cli APPEND PROPERTY FIXTURES_REQUIRED shop_db)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    # The win32 build's program under Wine's 32-bit side, against the same server.
    set(win32_cli ${PROJECT_SOURCE_DIR}/build/win32/bin/hwdex-cli.exe)
    add_test(NAME shop_cli_win32 COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/if-wine32 ${shop_cli} --wine ${win32_cli}
      ${HWDEX_SHOP_DB_DIR})
    hwdex_wine_test(shop_cli_win32)
    set_property(TEST shop_cli_win32 APPEND PROPERTY FIXTURES_REQUIRED shop_db)
    set_tests_properties(shop_cli_win32 PROPERTIES REQUIRED_FILES ${win32_cli} SKIP_RETURN_CODE 77)
  endif()
else()
  add_test(NAME shop_cli COMMAND ${shop_cli} $<TARGET_FILE:hwdex-cli> ${HWDEX_SHOP_DB_DIR})
  set_tests_properties(shop_cli PROPERTIES FIXTURES_REQUIRED shop_db LABELS "shop;e2e" TIMEOUT 120)
endif()
