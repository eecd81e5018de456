# The program-layer tests read programs through the library's internal,
# header-only instruction layer.
target_include_directories(uiutil_pattern_tests PRIVATE ${PROJECT_SOURCE_DIR}/source/pattern)
