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
