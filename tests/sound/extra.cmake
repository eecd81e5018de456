# With libcanberra built in, the sound back end is also run for real against
# ALSA's null device (a HOME of the test's own whose .asoundrc makes it the
# default), so files, aliases, loops and stops are played without a sound
# card.
get_target_property(uiutil_sound_backend uiutil UIUTIL_SOUND_BACKEND)
if(uiutil_sound_backend STREQUAL "canberra")
  set(null_sound_home ${CMAKE_CURRENT_BINARY_DIR}/null-sound-home)
  file(WRITE ${null_sound_home}/.asoundrc "pcm.!default { type null }\n")
  add_executable(uiutil_null_sound_check ${CMAKE_CURRENT_LIST_DIR}/null_device_check.cpp)
  target_link_libraries(uiutil_null_sound_check PRIVATE
    uiutil::uiutil GTest::gtest_main uiutil_warnings)
  target_include_directories(uiutil_null_sound_check PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  add_test(NAME sound.NullSoundDevice COMMAND uiutil_null_sound_check)
  set_tests_properties(sound.NullSoundDevice PROPERTIES
    ENVIRONMENT "HOME=${null_sound_home};CANBERRA_DRIVER=alsa" TIMEOUT 120)
endif()
