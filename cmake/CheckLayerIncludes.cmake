cmake_minimum_required(VERSION 3.25)
# Fails the build when a source of one layer includes a header from a folder
# that layer may not use. Run as a script:
#   cmake -DLAYER=quiz -DALLOWED="quiz;common;toolkit" -DSOURCES="a.cpp;b.h" -DSTAMP=f -P CheckLayerIncludes.cmake
foreach(source IN LISTS SOURCES)
  file(STRINGS "${source}" includes REGEX "^#include \"[a-z0-9_]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z0-9_]+)/.*" "\\1" folder "${line}")
    if(NOT folder IN_LIST ALLOWED)
      message(FATAL_ERROR "${source}: ${line}\n"
        "The ${LAYER} layer may include only from: ${ALLOWED}. "
        "Move the shared piece down a layer, or pass the value it needs.")
    endif()
  endforeach()
endforeach()
file(TOUCH "${STAMP}")
