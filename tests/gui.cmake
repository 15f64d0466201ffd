# The window's tests under Wine: the GUI driver and the trace listener (Windows test programs, never
# shipped) and the flows of tests/wine/gui/flows, each in a fresh prefix on its own X screen.
if(NOT WIN32)
  return()
endif()

add_executable(gui_driver
  wine/driver/driver_main.cpp wine/driver/driver_windows.cpp wine/driver/driver_remote.cpp
  wine/driver/driver_steps.cpp wine/driver/driver_process_steps.cpp wine/driver/driver_counters.cpp
  wine/driver/driver_form_steps.cpp wine/driver/driver_dialog_steps.cpp wine/driver/driver_list_steps.cpp)
target_link_libraries(gui_driver PRIVATE hwdex_core psapi)
target_link_options(gui_driver PRIVATE -municode)
add_executable(hwdex_trace wine/trace_listener.cpp)
target_link_libraries(hwdex_trace PRIVATE hwdex_flags)

# hwdex_gui_test(FLOW [SCRIPT]): one flow of tests/wine/gui/SCRIPT (flows unless named) against this
# build's hwdex.exe.
function(hwdex_gui_test flow)
  set(script flows)
  if(ARGC GREATER 1)
    set(script ${ARGV1})
  endif()
  add_test(NAME gui_${flow} COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/run-in-wine --display --script
    ${CMAKE_CURRENT_SOURCE_DIR}/wine/gui/${script} ${flow} ${CMAKE_BINARY_DIR})
  hwdex_wine_test(gui_${flow})
  set_tests_properties(gui_${flow} PROPERTIES TIMEOUT 600 ENVIRONMENT
    "HWDEX_WINE_TEMPLATE=${HWDEX_WINE_TEMPLATE};HWDEX_WINE_SCREEN=1280x1024;HWDEX_VERSION_TEXT=${HWDEX_VERSION_TEXT}")
endfunction()
foreach(flow startup rescan second-copy tabs-close ini-servers real-input soak browser-stub)
  hwdex_gui_test(${flow})
endforeach()
foreach(flow assembly-form assembly-save assembly-columns assembly-picture)
  hwdex_gui_test(${flow} assembly-flows)
endforeach()
# The part picker's flows against the test run's shop database.
foreach(flow picker picker-no-server)
  hwdex_gui_test(${flow} picker-flows)
  set_property(TEST gui_${flow} APPEND PROPERTY ENVIRONMENT HWDEX_SHOP_DB_DIR=${HWDEX_SHOP_DB_DIR})
  set_property(TEST gui_${flow} APPEND PROPERTY FIXTURES_REQUIRED shop_db)
endforeach()
# The update check, the upgrade and the setup program (tests/wine/gui/update-flows).
foreach(flow update-check update-upgrade setup)
  hwdex_gui_test(${flow} update-flows)
endforeach()
add_custom_target(gui_test_programs ALL DEPENDS gui_driver hwdex_trace hwdex)

# The upload dialogs' flows (tests/wine/gui/upload-flows) against the test run's shop database.
foreach(flow upload-machine upload-assembly upload-prompt)
  add_test(NAME gui_${flow} COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/run-in-wine --display --script
    ${CMAKE_CURRENT_SOURCE_DIR}/wine/gui/upload-flows ${flow} ${CMAKE_BINARY_DIR})
  hwdex_wine_test(gui_${flow})
  set_property(TEST gui_${flow} APPEND PROPERTY FIXTURES_REQUIRED shop_db)
  set_tests_properties(gui_${flow} PROPERTIES TIMEOUT 600 ENVIRONMENT
    "HWDEX_WINE_TEMPLATE=${HWDEX_WINE_TEMPLATE};HWDEX_WINE_SCREEN=1280x1024;HWDEX_SHOP_DB_DIR=${HWDEX_SHOP_DB_DIR};HWDEX_VERSION_TEXT=${HWDEX_VERSION_TEXT}")
endforeach()
