# Optional platform back ends, found at build time.
#
# Sounds on Linux: libcanberra (Debian package libcanberra-dev) plays files
# and sound-theme events. Without it the library still builds; PlaySoundU then
# answers 0 for every request. -DUIUTIL_WITH_CANBERRA=OFF builds without it
# even where it is installed.
if(NOT WIN32)
  option(UIUTIL_WITH_CANBERRA "Play sounds through libcanberra when it is found" ON)
  if(UIUTIL_WITH_CANBERRA)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
      pkg_check_modules(UIUTIL_CANBERRA QUIET IMPORTED_TARGET libcanberra)
    endif()
  endif()
  if(UIUTIL_CANBERRA_FOUND)
    message(STATUS "uiutil: sounds through libcanberra ${UIUTIL_CANBERRA_VERSION}")
    target_compile_definitions(uiutil PRIVATE UIUTIL_HAVE_CANBERRA)
    target_link_libraries(uiutil PRIVATE $<BUILD_INTERFACE:PkgConfig::UIUTIL_CANBERRA>)
    find_package(Threads REQUIRED)
    target_link_libraries(uiutil PRIVATE Threads::Threads)
  else()
    message(STATUS "uiutil: libcanberra not used; sounds will not play")
  endif()
endif()

# Lets the tests know which sound back end the library has.
if(UIUTIL_CANBERRA_FOUND)
  set_property(TARGET uiutil PROPERTY UIUTIL_SOUND_BACKEND canberra)
endif()
