# The MySQL client library (MariaDB Connector/C) as the target hwdex_mariadb: natively Debian's
# libmariadb; for Windows the static library that scripts/setup builds from Debian's source package,
# linked whole into the program, so that only Windows' own DLLs lie beside it.
add_library(hwdex_mariadb INTERFACE)
if(WIN32)
  set(HWDEX_MARIADB_ROOT /opt/hwdex/mariadb/${HWDEX_MINGW_PREFIX} CACHE PATH
    "MariaDB Connector/C built for this Windows target by scripts/setup")
  find_path(HWDEX_MARIADB_INCLUDE mysql.h PATHS ${HWDEX_MARIADB_ROOT}/include/mariadb
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_library(HWDEX_MARIADB_LIBRARY libmariadbclient.a PATHS ${HWDEX_MARIADB_ROOT}/lib/mariadb
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT HWDEX_MARIADB_INCLUDE OR NOT HWDEX_MARIADB_LIBRARY)
    message(FATAL_ERROR "No MariaDB Connector/C for ${HWDEX_MINGW_PREFIX} under ${HWDEX_MARIADB_ROOT}: run scripts/setup")
  endif()
  target_include_directories(hwdex_mariadb SYSTEM INTERFACE ${HWDEX_MARIADB_INCLUDE})
  # The library carries its own zlib; these are the Windows DLLs it calls.
  target_link_libraries(hwdex_mariadb INTERFACE ${HWDEX_MARIADB_LIBRARY}
    ws2_32 secur32 crypt32 bcrypt shlwapi advapi32)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(HWDEX_LIBMARIADB REQUIRED IMPORTED_TARGET libmariadb)
  target_link_libraries(hwdex_mariadb INTERFACE PkgConfig::HWDEX_LIBMARIADB)
endif()
