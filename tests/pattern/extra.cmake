# The program-layer tests read programs through the library's internal,
# header-only instruction layer.
target_include_directories(uiutil_pattern_tests PRIVATE ${PROJECT_SOURCE_DIR}/source/pattern)

# The literal search compiled into a program of its own with its byte-pair
# filter, so that it can be compared with a plain search directly.
add_executable(uiutil_literal_scan_unit ${CMAKE_CURRENT_LIST_DIR}/literal_scan_unit.cpp
  ${PROJECT_SOURCE_DIR}/source/pattern/search_accel.cpp
  ${PROJECT_SOURCE_DIR}/source/pattern/byte_pair_scan.cpp)
target_compile_definitions(uiutil_literal_scan_unit PRIVATE UIUTIL_BUILDING)
target_include_directories(uiutil_literal_scan_unit PRIVATE ${PROJECT_SOURCE_DIR}/source
  ${PROJECT_SOURCE_DIR}/source/pattern ${CMAKE_BINARY_DIR}/include)
target_link_libraries(uiutil_literal_scan_unit PRIVATE GTest::gtest_main uiutil_warnings)
add_test(NAME pattern.LiteralScanAgreesWithPlainSearch COMMAND uiutil_literal_scan_unit)
