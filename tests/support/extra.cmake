# The load/unload order of the library's static objects, seen from a separate
# program so that the unload events are observed too.
add_executable(uiutil_load_order_probe ${CMAKE_CURRENT_LIST_DIR}/load_order_probe.cpp)
target_link_libraries(uiutil_load_order_probe PRIVATE uiutil::uiutil uiutil_warnings)
add_test(NAME support.LoadAndUnloadOrder COMMAND uiutil_load_order_probe)
set_tests_properties(support.LoadAndUnloadOrder PROPERTIES PASS_REGULAR_EXPRESSION
  "\\+accelerator text\r?\n\\+user data\r?\n\\+events\r?\n\\+sound\r?\nmain done\r?\n-sound\r?\n-events\r?\n-user data\r?\n-accelerator text")

# The installed package holds exactly the public headers, and they need no
# internal one.
add_test(NAME support.InstalledHeadersAreThePublicList
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
          -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/installed-headers-check
          -P ${CMAKE_CURRENT_LIST_DIR}/check_installed_headers.cmake)
