# add_unit_test(name SOURCES ... LIBS ...): one GoogleTest executable in bin/.
function(add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main)
  if(NOT WIN32)
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()
