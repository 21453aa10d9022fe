# GoogleTest for the Windows test programs, built by the cross-compiler from the source that Debian's
# googletest package installs, under the names that find_package(GTest) gives on Linux.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(cible gtest gtest_main gmock gmock_main)
  add_library(GTest::${cible} ALIAS ${cible})
endforeach()
