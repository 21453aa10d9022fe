# GoogleTest for the Windows test programs, built by the cross-compiler from the source that Debian's
# googletest package installs; it names its targets GTest::gtest_main… as find_package(GTest) does.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
