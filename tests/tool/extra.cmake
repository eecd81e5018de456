# `uiutil compile --dot`: the program as a Graphviz graph. For x+ every kind of
# edge appears: the dummy jump into the loop, fall-through, the resume point
# of the loop's push (dashed) and the loop jump back to it.
if(TARGET uiutil_tool)
  add_test(NAME tool.CompileDot.LoopGraph COMMAND uiutil_tool compile --dot "x+")
  set_tests_properties(tool.CompileDot.LoopGraph PROPERTIES PASS_REGULAR_EXPRESSION
    "n0 -> n6 \\[label=\"empty point, jump\"\\];\r?\n  n3 -> n6;\r?\n  n3 -> n12 \\[style=dashed, label=\"resume\"\\];\r?\n  n6 -> n9;\r?\n  n9 -> n3 \\[label=\"loop\"\\];\r?\n}")
  # A pattern that does not compile is refused rather than drawn as the empty
  # program it leaves behind.
  add_test(NAME tool.CompileDot.RefusesAnInvalidPattern COMMAND uiutil_tool compile --dot "\\(a")
  set_tests_properties(tool.CompileDot.RefusesAnInvalidPattern PROPERTIES WILL_FAIL TRUE)
endif()

# The user guide against the code it shows: its C++ blocks must be the example
# programs and its listings what the tool prints (Linux builds; the checker
# runs the tool directly). The guide's pages are those the docs build lists.
find_program(UIUTIL_PERL perl)
if(TARGET uiutil_tool AND UIUTIL_PERL AND NOT CMAKE_CROSSCOMPILING)
  file(STRINGS ${PROJECT_SOURCE_DIR}/docs/Doxyfile uiutil_doxyfile_lines REGEX "docs/[a-z_]+\\.md")
  string(REGEX MATCHALL "docs/[a-z_]+\\.md" uiutil_guide_pages "${uiutil_doxyfile_lines}")
  list(REMOVE_DUPLICATES uiutil_guide_pages)
  add_test(NAME tool.Guide.ShowsTheExamplesAndTheToolAsTheyAre
    COMMAND ${UIUTIL_PERL} docs/check-guide.pl $<TARGET_FILE:uiutil_tool> ${uiutil_guide_pages}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()
