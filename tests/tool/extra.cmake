# The user guide against the code it shows: its C++ blocks must be the example
# programs and its listings what the tool prints (Linux builds; the checker
# runs the tool directly).
find_program(UIUTIL_PERL perl)
if(TARGET uiutil_tool AND UIUTIL_PERL AND NOT CMAKE_CROSSCOMPILING)
  file(GLOB uiutil_guide_pages ${PROJECT_SOURCE_DIR}/docs/*.md)
  add_test(NAME tool.Guide.ShowsTheExamplesAndTheToolAsTheyAre
    COMMAND ${UIUTIL_PERL} docs/check-guide.pl $<TARGET_FILE:uiutil_tool> ${uiutil_guide_pages}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()
