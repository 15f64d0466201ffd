# hwdex.exe: the Windows program (GUI subsystem) with its resources, beside hx.dll, dic and copy.gif
# in the program folder.
if(NOT WIN32)
  return()
endif()

# The window code, compiled once for hwdex.exe and for the newer build the tests upgrade to.
add_library(hwdex_window OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/winmain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_pane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_check.cpp
  ${PROJECT_SOURCE_DIR}/assembly/assembly_page.cpp
  ${PROJECT_SOURCE_DIR}/assembly/part_picker.cpp
  ${PROJECT_SOURCE_DIR}/assembly/upload_dialogs.cpp)
target_link_libraries(hwdex_window PRIVATE hwdex_core hwdex_shop)

# hwdex_window_program(TARGET VERSION_DIR): the window code with the resources whose version comes from
# VERSION_DIR/hwdex_version.h.
function(hwdex_window_program target version_dir)
  add_library(${target}_resources OBJECT ${PROJECT_SOURCE_DIR}/resources/hwdex.rc)
  target_include_directories(${target}_resources PRIVATE ${PROJECT_SOURCE_DIR}/resources ${version_dir})
  add_executable(${target} WIN32 $<TARGET_OBJECTS:hwdex_window> $<TARGET_OBJECTS:${target}_resources>)
  target_link_libraries(${target} PRIVATE hwdex_core hwdex_shop comctl32 comdlg32 shell32 ole32 oleaut32 uuid)
endfunction()
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/hwdex.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/resources/hwdex.ico;${PROJECT_SOURCE_DIR}/resources/resource.h;${CMAKE_BINARY_DIR}/generated/hwdex_version.h")

configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/hwdex_version.h @ONLY)
hwdex_window_program(hwdex ${CMAKE_BINARY_DIR}/generated)
hwdex_program(hwdex)
add_custom_command(TARGET hwdex POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${HWDEX_DATA_FILES} $<TARGET_FILE_DIR:hwdex>)
add_dependencies(hwdex hx_dll)
