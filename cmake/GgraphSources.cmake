# Collects the C++ sources below the given folders (relative to the project
# root) into OUT. New files are picked up at build time, so adding a source
# file never needs an edit of a CMakeLists.txt shared by several people.
function(ggraph_collect_sources OUT)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  set(${OUT} ${result} PARENT_SCOPE)
endfunction()
