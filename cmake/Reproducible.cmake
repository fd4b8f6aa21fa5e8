# Windows builds that anyone can repeat bit for bit: the objects name source files
# relative to the source and build folders, wherever those are, and the linker
# writes no time stamp into the executables.
if(WIN32)
  add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=" "-ffile-prefix-map=${CMAKE_BINARY_DIR}/=")
  add_link_options(-Wl,--no-insert-timestamp)
endif()
