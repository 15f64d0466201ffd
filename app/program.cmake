# hwdex.exe: the Windows program (GUI subsystem) with its resources, beside hx.dll, dic and copy.gif
# in the program folder.
if(NOT WIN32)
  return()
endif()

configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/hwdex_version.h @ONLY)
add_library(hwdex_resources OBJECT ${PROJECT_SOURCE_DIR}/resources/hwdex.rc)
target_include_directories(hwdex_resources PRIVATE ${PROJECT_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/generated)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/hwdex.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/resources/hwdex.ico;${PROJECT_SOURCE_DIR}/resources/resource.h;${CMAKE_BINARY_DIR}/generated/hwdex_version.h")

add_executable(hwdex WIN32
  ${CMAKE_CURRENT_LIST_DIR}/winmain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_pane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_state.cpp
  ${PROJECT_SOURCE_DIR}/assembly/assembly_page.cpp
  ${PROJECT_SOURCE_DIR}/assembly/part_picker.cpp
  ${PROJECT_SOURCE_DIR}/assembly/upload_dialogs.cpp
  $<TARGET_OBJECTS:hwdex_resources>)
target_link_libraries(hwdex PRIVATE hwdex_core hwdex_shop comctl32 comdlg32 shell32 ole32 oleaut32 uuid)
hwdex_program(hwdex)
add_custom_command(TARGET hwdex POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${HWDEX_DATA_FILES} $<TARGET_FILE_DIR:hwdex>)
add_dependencies(hwdex hx_dll)
