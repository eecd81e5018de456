# `uiutil resolve` as a user runs it in the "C" locale, on a link whose name
# has a byte above 127: the tool converts its argument with the library's
# conversion, and the link reader must take the path as that conversion gives
# it (it used to answer ERROR_NO_UNICODE_TRANSLATION).
if(TARGET uiutil_tool AND NOT WIN32)
  set(eight_bit_dir ${CMAKE_CURRENT_BINARY_DIR}/resolve-eight-bit)
  add_test(NAME shortcuts.Tool.ResolvesAnEightBitLinkNameInTheCLocale
    COMMAND sh -c [=[
      dir=$1; tool=$2
      rm -rf "$dir" && mkdir -p "$dir" || exit 1
      name=$(printf 'caf\351')
      : > "$dir/target" && ln -s target "$dir/$name" || exit 1
      LC_ALL=C "$tool" resolve "$dir/$name"
    ]=] resolve ${eight_bit_dir} $<TARGET_FILE:uiutil_tool>)
  set_tests_properties(shortcuts.Tool.ResolvesAnEightBitLinkNameInTheCLocale PROPERTIES
    PASS_REGULAR_EXPRESSION " -> [^\n]*/resolve-eight-bit/target")
endif()
