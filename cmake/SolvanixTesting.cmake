# One line for a GoogleTest suite, as each test folder declares its programs:
#   solvanix_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [GTEST_MAIN]
#                     [ENVIRONMENT <VAR=value...>] [RUN_BY_CALLER])
# builds the program with the project's warnings, linked to the shared test support and the
# libraries given (GTEST_MAIN adds GoogleTest's own main), and lists its tests one by one with
# ENVIRONMENT set for each. A cross build runs the whole program once under the emulator instead,
# as listing the tests would start it at build time and once per test. RUN_BY_CALLER builds the
# program only, for a folder that registers its own runs.
function(solvanix_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "GTEST_MAIN;RUN_BY_CALLER" ""
    "SOURCES;LIBRARIES;ENVIRONMENT")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE solvanix_test_support GTest::gtest ${arg_LIBRARIES})
  if(arg_GTEST_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  solvanix_set_warnings(${name})
  if(arg_RUN_BY_CALLER)
    return()
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
  endif()
endfunction()
