# Tests of the update check's rules, the updater, the setup program and the product web site.
hwdex_test(update_tests
  app/update_rules_test.cpp
  app/file_hash_test.cpp
  app/update_check_road_test.cpp)

hwdex_test(updater_tests updater/updater_road_test.cpp)
target_link_libraries(updater_tests PRIVATE hx_updater_road)

# The product web site as the build made it; on Windows builds with the update folder.
if(WIN32)
  add_test(NAME site_check COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/site/check-site ${HWDEX_SITE_DIR}
    --version ${HWDEX_VERSION_TEXT})
else()
  add_test(NAME site_check COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/site/check-site ${HWDEX_SITE_DIR})
endif()

if(WIN32)
  # hwdex_program_probe(TARGET X.Y.Z): the stand-in for hwdex.exe (wine/program_probe.cpp) with that
  # product version, as TARGET/hwdex.exe in the build folder.
  function(hwdex_program_probe target version)
    string(REPLACE "." "," numbers ${version})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    file(WRITE ${rc} "#include <winver.h>\nVS_VERSION_INFO VERSIONINFO\nFILEVERSION ${numbers},0\n"
      "PRODUCTVERSION ${numbers},0\nFILETYPE VFT_APP\nBEGIN\nEND\n")
    add_library(${target}_version OBJECT ${rc})
    add_executable(${target} WIN32 wine/program_probe.cpp $<TARGET_OBJECTS:${target}_version>)
    target_link_libraries(${target} PRIVATE hwdex_core)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME hwdex
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${target})
  endfunction()
  hwdex_program_probe(probe_current ${PROJECT_VERSION})
  hwdex_program_probe(probe_newer 9.9.9)

  # The setup program of this build around each stand-in: the installed version and a newer one.
  set(HWDEX_TEST_SETUPS ${CMAKE_CURRENT_BINARY_DIR}/setups)
  hwdex_setup_program(OUTPUT ${HWDEX_TEST_SETUPS}/hx_setup_current.exe PROGRAM $<TARGET_FILE:probe_current>
    VERSION ${PROJECT_VERSION} DEPENDS probe_current)
  hwdex_setup_program(OUTPUT ${HWDEX_TEST_SETUPS}/hx_setup_newer.exe PROGRAM $<TARGET_FILE:probe_newer>
    VERSION 9.9.9 DEPENDS probe_newer)
  # The real program with a newer version, and its setup program: the build an accepted upgrade installs.
  set(newer_version_dir ${CMAKE_CURRENT_BINARY_DIR}/newer_version)
  block()
    set(PROJECT_VERSION_MAJOR 9)
    set(PROJECT_VERSION_MINOR 9)
    set(PROJECT_VERSION_PATCH 9)
    set(PROJECT_VERSION 9.9.9)
    configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${newer_version_dir}/hwdex_version.h @ONLY)
  endblock()
  hwdex_window_program(hwdex_newer ${newer_version_dir})
  target_sources(hwdex_newer PRIVATE $<TARGET_OBJECTS:hwdex_manifest>)
  set_target_properties(hwdex_newer PROPERTIES OUTPUT_NAME hwdex RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/newer)
  hwdex_setup_program(OUTPUT ${HWDEX_TEST_SETUPS}/hx_setup_newer_window.exe PROGRAM $<TARGET_FILE:hwdex_newer>
    VERSION 9.9.9 DEPENDS hwdex_newer)
  add_custom_target(test_newer_window ALL DEPENDS ${HWDEX_TEST_SETUPS}/hx_setup_newer_window.exe)

  add_executable(update_watch wine/update_watch.cpp)
  target_link_libraries(update_watch PRIVATE hwdex_flags)
  add_custom_target(test_setups ALL
    DEPENDS ${HWDEX_TEST_SETUPS}/hx_setup_current.exe ${HWDEX_TEST_SETUPS}/hx_setup_newer.exe)

  # The version resource as Windows reads it.
  hwdex_test(product_version_tests app/product_version_test.cpp)
  add_dependencies(product_version_tests probe_current probe_newer update_watch)
  target_compile_definitions(product_version_tests PRIVATE
    HWDEX_PROBE_CURRENT="Z:$<TARGET_FILE:probe_current>" HWDEX_PROBE_NEWER="Z:$<TARGET_FILE:probe_newer>"
    HWDEX_UPDATE_WATCH="Z:$<TARGET_FILE:update_watch>" HWDEX_VERSION_TEXT="${HWDEX_VERSION_TEXT}")

  # The updater's roads with the stand-in program, each in a fresh prefix on its own X screen.
  foreach(road success hash-missing setup-fails)
    add_test(NAME update_road_${road} COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/run-in-wine --display --script
      ${CMAKE_CURRENT_SOURCE_DIR}/wine/update-roads ${road} ${CMAKE_BINARY_DIR})
    hwdex_wine_test(update_road_${road})
    set_tests_properties(update_road_${road} PROPERTIES TIMEOUT 300 ENVIRONMENT
      "HWDEX_WINE_TEMPLATE=${HWDEX_WINE_TEMPLATE};HWDEX_WINE_TIMEOUT=240")
  endforeach()
endif()
