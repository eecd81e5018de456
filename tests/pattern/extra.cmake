# The program-layer tests read programs through the library's internal,
# header-only instruction layer, and the analysis of needed bytes compiled in
# (the library does not export it).
target_include_directories(uiutil_pattern_tests PRIVATE ${PROJECT_SOURCE_DIR}/source/pattern)
target_sources(uiutil_pattern_tests PRIVATE ${PROJECT_SOURCE_DIR}/source/pattern/needed_byte.cpp)

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

# The rules for where a search tries the matcher, compiled with the
# acceleration data they read.
add_executable(uiutil_tried_positions_unit ${CMAKE_CURRENT_LIST_DIR}/tried_positions_unit.cpp
  ${PROJECT_SOURCE_DIR}/source/pattern/search_accel.cpp
  ${PROJECT_SOURCE_DIR}/source/pattern/byte_pair_scan.cpp)
target_include_directories(uiutil_tried_positions_unit PRIVATE ${PROJECT_SOURCE_DIR}/source
  ${PROJECT_SOURCE_DIR}/source/pattern ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(uiutil_tried_positions_unit PRIVATE uiutil::uiutil GTest::gtest_main uiutil_warnings)
add_test(NAME pattern.TriedPositionsByteRuleAgrees COMMAND uiutil_tried_positions_unit)
