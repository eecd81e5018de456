# Regression checks found by fuzzing that run the uiutil tool.
if(TARGET uiutil_tool)
  # The program listing writes a literal run of escaped control characters
  # whole: 100 tabs list as 200 characters between the quotes, and the end
  # line follows on a line of its own.
  string(REPEAT "\t" 100 hardening_tabs)
  add_test(NAME hardening.ToolListing.LongEscapedLiteralIsWhole
           COMMAND uiutil_tool compile "${hardening_tabs}")
  set_tests_properties(hardening.ToolListing.LongEscapedLiteralIsWhole PROPERTIES
    PASS_REGULAR_EXPRESSION "exact +100 \"(\\\\t)+\"\r?\n +102  end")
endif()
