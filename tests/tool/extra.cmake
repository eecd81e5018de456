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

# What the tool answers as a user meets it: exit codes, help, and the meaning
# printed beside each code. Each case runs the tool through run_tool.cmake
# (under Wine in the Windows build) and checks its exit code and output.
#   uiutil_tool_case(NAME RC n [OUT re] [NOT_OUT re] [ERR re] [SCRATCH]
#                    [NATIVE] ARGS args...)
# NATIVE: only where the tool runs natively (the case needs a Linux path).
if(TARGET uiutil_tool)
  function(uiutil_tool_case name)
    cmake_parse_arguments(PARSE_ARGV 1 case "SCRATCH;NATIVE" "RC;OUT;NOT_OUT;ERR" "ARGS")
    if(case_NATIVE AND CMAKE_CROSSCOMPILING)
      return()
    endif()
    string(REPLACE ";" "@@" packed "${case_ARGS}")
    set(checks -DRC=${case_RC})
    foreach(what OUT NOT_OUT ERR)
      if(DEFINED case_${what})
        list(APPEND checks "-D${what}=${case_${what}}")
      endif()
    endforeach()
    if(case_SCRATCH)
      list(APPEND checks -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/tool-scratch/${name})
    endif()
    add_test(NAME tool.${name}
      COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:uiutil_tool>
              "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" "-DARGS=${packed}" ${checks}
              -P ${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)
    set_tests_properties(tool.${name} PROPERTIES TIMEOUT 120)
  endfunction()

  # Every subcommand explains itself: usage, exit codes; and --help is never
  # taken as an operand.
  foreach(sub accel bool command compile crlf decode demo escape lf match name-check play
              resolve strip-zeros unescape which)
    uiutil_tool_case(Help.${sub} RC 0 OUT "^usage: uiutil ${sub}.*exit codes:" ARGS ${sub} --help)
  endforeach()
  uiutil_tool_case(Help.Tool RC 0 OUT "uiutil SUBCOMMAND --help.*exit codes.*3  gave up"
    ARGS --help)
  uiutil_tool_case(Help.Version RC 0 OUT "^uiutil ${PROJECT_VERSION}\r?\n$" ARGS --version)
  # -- ends the options: what follows is an operand, --help included.
  uiutil_tool_case(Options.DoubleDashEndsOptions RC 0 OUT "^--help -> 0 \\(false\\)"
    ARGS bool -- --help)
  uiutil_tool_case(Options.UnknownOptionIsAUsageError RC 2 ERR "unknown option '--dots'"
    ARGS compile --dots a)
  uiutil_tool_case(Options.CommandForceMustBeANumber RC 2 ERR "-f takes a whole number: 'abc'"
    ARGS command -f abc x y)
  uiutil_tool_case(Options.CommandDefaultDelimitersNamed RC 0
    OUT "Default: the two characters\r?\n +\"\" \\(double quote on each side\\)"
    ARGS command --help)

  # match: a pattern that does not compile stops the command (the library
  # would match everything with the empty program) and says where it is
  # wrong; the work limit gives up with its own exit code.
  uiutil_tool_case(Match.RefusesAnUnmatchedOpenBracket RC 2 NOT_OUT "match"
    ERR "unmatched open bracket.*a\\\\\\(a\\\\\\(b\\\\\\)\r?\n   \\^ this bracket is never closed \\(offset 1\\)"
    ARGS match "a\\(a\\(b\\)" x)
  uiutil_tool_case(Match.RefusesAnUnmatchedCloseBracket RC 2
    ERR "unmatched close bracket.*x\\\\\\)y\r?\n    \\^ wrong by here \\(offset 2\\)"
    ARGS match "x\\)y" x)
  uiutil_tool_case(Match.GivesUpAtTheLimit RC 3 OUT "^a+: gave up after 1000 steps"
    ARGS match --limit 1000 "\\(a*\\)*\\1b" aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa)
  uiutil_tool_case(Match.DefaultLimitEndsARunawayMatch RC 3 OUT "gave up after 10000000 steps"
    ARGS match "\\(\\(a?\\)*\\)*\\1b" aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa)
  uiutil_tool_case(Match.SomeSubjectDoesNotMatch RC 1 OUT "ab: match.*b: no match"
    ARGS match a ab b)
  uiutil_tool_case(Match.LimitMustBeANumber RC 2 ERR "--limit takes a whole number"
    ARGS match --limit=many a a)

  # The tab-separated forms for programs.
  uiutil_tool_case(Match.TabSeparatedForm RC 1
    OUT "\nab\tmatch\t0..2\t0..1\t1..2\t\t\t\t\t\t\t\r?\nx\tno match\t"
    ARGS match --format=tsv "\\(a\\)\\(b*\\)" ab x)
  uiutil_tool_case(Accel.TabSeparatedForm RC 1
    OUT "\tlabel\tyes\tAlt\tHome\tAlt-Home\t17\t0\t100\t0\tno"
    ARGS accel --format=tsv "Go\tAlt+Home")
  uiutil_tool_case(Options.FormatMustBeKnown RC 2 ERR "--format is text or tsv"
    ARGS match --format=xml a a)

  # Codes come with their meaning.
  uiutil_tool_case(Decode.UnknownValueKind RC 1
    OUT "nonsense: 19981201 \\(uiVALTYPE_ERROR: not a value type\\)\r?\nuiTITLE: 1805"
    ARGS decode --valtype nonsense uiTITLE)
  uiutil_tool_case(Decode.CodeWithoutAName RC 1 OUT "^5: .*\\(no name for this code\\)"
    ARGS decode 5)
  uiutil_tool_case(Resolve.NamesTheFailure RC 1
    OUT "no-such-link.lnk: failed 0x[0-9A-F]+ [A-Za-z_(]+.*: [a-z]"
    ARGS resolve no-such-link.lnk)
  uiutil_tool_case(Which.SaysWhatItMissed RC 1 ERR "no-such-file not found along"
    ARGS which no-such-file --path .)
  uiutil_tool_case(Play.SaysWhatItMissed RC 1 OUT "no-such-sound.wav not found along the sound path"
    ARGS play no-such-sound.wav)
  uiutil_tool_case(Play.SaysWhyItPlayedNothing RC 1 NATIVE
    OUT "answer: 0 \\(not played: " ARGS play ${PROJECT_SOURCE_DIR}/README.md)

  # accel: which reading was applied, and an accelerator that cannot fire.
  uiutil_tool_case(Accel.KeyWithoutAKeyCodeNeverFires RC 1
    OUT "read as: +menu label: the text after the last tab.*key 0 \\(no key code\\).*will never fire"
    ARGS accel "Go	Alt+Home")
  uiutil_tool_case(Accel.LabelWithoutATab RC 1
    OUT "read as: +menu label without a tab.*holds an accelerator: no" NOT_OUT "key:"
    ARGS accel "E&xit")
  uiutil_tool_case(Accel.SpecificationOnRequest RC 1
    OUT "read as: +accelerator specification.*key: +\"xit\"" ARGS accel --spec "E&xit")
  uiutil_tool_case(Accel.UnreadModifierWord RC 0
    OUT "the word Ctrl adds its modifier only when - or \\+ follows it directly.*modifiers: +none"
    ARGS accel "Ctrl + A")

  # escape shows the text given beside the result, so that a change shows.
  uiutil_tool_case(Escape.ShowsTheGivenTextAndTheResult RC 0
    OUT "given:  \"a\\\\\\\\tb\"\r?\nresult: \"a\\\\tb\""
    ARGS escape "a\\tb")

  # The demo removes what it made in the temporary directory.
  uiutil_tool_case(Demo.LeavesNoScratchFolder RC 0 SCRATCH OUT "== Shortcuts ==" ARGS demo)
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

