# Double-byte code-page tests, in a program of their own because they switch
# the thread's code page: the Japanese thread locale on Windows, a Shift-JIS
# locale built at test time on Linux. The locale uses the WINDOWS-31J
# character map, Shift-JIS as Windows' code page 932 reads it: the plain
# SHIFT_JIS map reads a lone 0x5C as the yen sign, so no escape would work.
add_executable(uiutil_text_locale_tests ${CMAKE_CURRENT_LIST_DIR}/shift_jis_locale.cpp)
target_link_libraries(uiutil_text_locale_tests PRIVATE uiutil::uiutil GTest::gtest_main
  uiutil_warnings)
add_test(NAME text.ShiftJisLocale COMMAND uiutil_text_locale_tests)
set_tests_properties(text.ShiftJisLocale PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
if(NOT WIN32)
  find_program(UIUTIL_LOCALEDEF localedef)
  if(UIUTIL_LOCALEDEF)
    set(sjis_locale_dir ${CMAKE_BINARY_DIR}/locales)
    add_test(NAME text.MakeShiftJisLocale COMMAND ${CMAKE_COMMAND}
      -DLOCALEDEF=${UIUTIL_LOCALEDEF} -DCHARMAP=WINDOWS-31J -DSOURCE=ja_JP
      -DOUTPUT=${sjis_locale_dir}/ja_JP.CP932 -P ${CMAKE_CURRENT_LIST_DIR}/make_locale.cmake)
    set_tests_properties(text.MakeShiftJisLocale PROPERTIES FIXTURES_SETUP text_sjis_locale)
    set_tests_properties(text.ShiftJisLocale PROPERTIES FIXTURES_REQUIRED text_sjis_locale
      ENVIRONMENT "LOCPATH=${sjis_locale_dir};UIUTIL_TEST_SJIS_LOCALE=ja_JP.CP932")
  endif()
endif()

# The library's one narrow/wide conversion on its own, compiled into a
# program of its own from the platform layer's sources (it switches the
# thread's code page on Windows).
if(WIN32)
  set(code_page_platform_source ${PROJECT_SOURCE_DIR}/source/platform/code_page_win32.cpp)
else()
  set(code_page_platform_source ${PROJECT_SOURCE_DIR}/source/platform/code_page_posix.cpp)
endif()
add_executable(uiutil_code_page_unit ${CMAKE_CURRENT_LIST_DIR}/code_page_unit.cpp
  ${PROJECT_SOURCE_DIR}/source/platform/code_page.cpp ${code_page_platform_source}
  ${PROJECT_SOURCE_DIR}/source/strings/code_page_error.cpp)
target_compile_definitions(uiutil_code_page_unit PRIVATE UIUTIL_BUILDING)
target_include_directories(uiutil_code_page_unit PRIVATE ${PROJECT_SOURCE_DIR}/source
  ${CMAKE_BINARY_DIR}/include)
target_link_libraries(uiutil_code_page_unit PRIVATE GTest::gtest_main uiutil_warnings)
add_test(NAME text.CodePageConversionIsExact COMMAND uiutil_code_page_unit)
