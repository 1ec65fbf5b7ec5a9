# An include root: a folder in the build tree holding links to the named folders of src/ and to nothing else, so
# that code built against it sees those folders' headers alone and an include that reaches elsewhere is "file not
# found". The source folder itself is on no include path. The program's layers and the fuzzers' libraries
# (tests/fuzz, a project of its own) make theirs the same way.
#   tw_include_root(ROOT folder...)
function(tw_include_root root)
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    file(REMOVE ${root}/${folder})
    file(CREATE_LINK ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
endfunction()
