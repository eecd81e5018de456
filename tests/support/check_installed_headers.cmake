# Installs the built package into a scratch prefix and checks its headers:
# exactly the public headers are installed (flat under include/uiutil/), and
# every header they include is an installed one or a system header, so no
# internal header is needed, or reachable, from the installed package.
#   cmake -DBUILD_DIR=<build tree> -DPREFIX=<scratch prefix> -P check_installed_headers.cmake
set(expected
  accel.h accelerator_tables.h commands.h containers.h export.h load_trace.h misc.h paths.h
  pattern.h platform.h resource_handle.h service_hooks.h strings.h support.h uiutil.h version.h)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "installing ${BUILD_DIR} failed: ${status}")
endif()

file(GLOB_RECURSE installed RELATIVE ${PREFIX}/include ${PREFIX}/include/*)
list(SORT installed)
set(wanted)
foreach(name ${expected})
  list(APPEND wanted uiutil/${name})
endforeach()
list(SORT wanted)
if(NOT installed STREQUAL wanted)
  message(FATAL_ERROR "installed headers differ from the public list\n"
    "installed: ${installed}\nexpected:  ${wanted}")
endif()

foreach(header ${installed})
  file(STRINGS ${PREFIX}/include/${header} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "\"")
      message(FATAL_ERROR "${header} includes a header by a quoted path: ${line}")
    endif()
    if(line MATCHES "<uiutil/([^>]+)>" AND NOT EXISTS ${PREFIX}/include/uiutil/${CMAKE_MATCH_1})
      message(FATAL_ERROR "${header} includes an uninstalled header: ${line}")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed headers: ${expected}")
