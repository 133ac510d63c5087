# The Windows program comes out byte for byte the same wherever and whenever
# it is built: no link time in the PE header, no symbol table in a release
# build, and the source and build folders mapped to relative names wherever a
# compiler writes a path (__FILE__, debug information); the build folder comes
# last, as it may lie inside the source folder and the last match wins.
if(MINGW)
  add_compile_options(
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
    -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
  add_link_options(-Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s>)
endif()
