# Tests of the built Trailglint.exe as a release ships it: its kind, size,
# imports and no build folder inside (scripts/check-exe.sh), and in the 64-bit
# build a second build from a copy of the source in another folder, which must
# give the same bytes (scripts/check-reproducible.sh).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(release_arch x64)
else()
  set(release_arch x86)
endif()
add_test(NAME release_exe
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh $<TARGET_FILE:Trailglint> ${release_arch}
          ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(release_exe PROPERTIES LABELS release)
if(release_arch STREQUAL x64)
  add_test(NAME reproducible_exe
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-reproducible.sh $<TARGET_FILE:Trailglint>
            ${CMAKE_BINARY_DIR}/reproducible)
  set_tests_properties(reproducible_exe PROPERTIES LABELS release TIMEOUT 900)
endif()
