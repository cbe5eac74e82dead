# kovia_add_test(<name> LABEL unit|gui SOURCES <files...> LIBS <targets...>)
#
# One test executable per subsystem. Every executable shares tests/support/test_main.cpp;
# executables labelled "gui" get a QApplication there (offscreen unless a platform is set).
include(GoogleTest)

function(kovia_add_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE KOVIA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  if(ARG_LABEL STREQUAL "gui")
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
    target_compile_definitions(${name} PRIVATE KOVIA_TEST_WITH_QT=1)
  endif()
  # PRE_TEST: GUI binaries are never run at build time, where there is no display.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES LABELS ${ARG_LABEL}
                                  ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
