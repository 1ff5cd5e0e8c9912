# One test program per tests/<name>.cpp.
#   vesko_add_test(name [QT] [MACHINE] [TIMEOUT seconds] [SOURCES ...] [LIBS ...])
# QT: the program gets a main that makes the QApplication and runs offscreen.
# MACHINE: its tests take locales or fonts from the machine, and wait for the check of them
# (the fixture "machine", check_machine.cmake).
# TIMEOUT: for each test; 120 seconds unless given.
#
# CTest runs each test of a program as a test of its own, so that a failure names the test.
# Native programs are asked for their tests once built; the Windows programs when CTest runs
# (PRE_TEST), through Wine, which building vesko.exe does not need.
include(GoogleTest)

function(vesko_add_test name)
  cmake_parse_arguments(ARG "QT;MACHINE" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${name}.cpp ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE vesko_qt_test_main)
  else()
    target_link_libraries(${name} PRIVATE vesko_test_main)
  endif()
  target_link_libraries(${name} PRIVATE GTest::gtest vesko_test_support ${ARG_LIBS} vesko_warnings)

  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set(properties TIMEOUT ${ARG_TIMEOUT})
  if(ARG_MACHINE)
    list(APPEND properties FIXTURES_REQUIRED machine)
  endif()
  if(ARG_QT)
    list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Wine keeps its Windows installation inside the build folder, for the listing too.
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env
                 WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES ${properties})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
  endif()
endfunction()
