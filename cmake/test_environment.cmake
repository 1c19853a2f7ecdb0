# Read by CTest after the tests that gtest_discover_tests found are defined:
# every test of ridgeline_tests runs on SDL's dummy drivers, with no window
# and no sound device.
if(ridgeline_tests_TESTS)
  set_tests_properties(${ridgeline_tests_TESTS} PROPERTIES
                       ENVIRONMENT "SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy")
endif()
