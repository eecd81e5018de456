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

# The load trace compiled into a program of its own with the marks that feed
# it, so that it can be given more events than the library leaves.
add_executable(uiutil_load_trace_unit ${CMAKE_CURRENT_LIST_DIR}/load_trace_unit.cpp
  ${PROJECT_SOURCE_DIR}/source/load_trace.cpp)
target_compile_definitions(uiutil_load_trace_unit PRIVATE UIUTIL_BUILDING)
target_include_directories(uiutil_load_trace_unit PRIVATE ${PROJECT_SOURCE_DIR}/source
  ${CMAKE_BINARY_DIR}/include)
target_link_libraries(uiutil_load_trace_unit PRIVATE GTest::gtest_main uiutil_warnings)
add_test(NAME support.LoadTraceSinkSeesEveryEvent COMMAND uiutil_load_trace_unit)
