# velmora_layer(NAME [USES lower layers...] [EXCLUDE regex])
# Makes the static library velmora_NAME from the .cpp and .h files of the
# current folder, linked to the layers it uses. Where platforms differ, a
# file per platform: name_posix.cpp (any Unix) or name_linux.cpp, and
# name_windows.cpp; only those for the platform being built are taken. The build checks every time
# a source changes that it includes headers only from its own folder and the
# folders of the layers it reaches, so a layer cannot reach up or sideways
# by an include either.
function(velmora_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "EXCLUDE" "USES")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_(posix|linux)\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_windows\\.cpp$")
  endif()
  if(layer_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${layer_EXCLUDE}")
  endif()
  add_library(velmora_${name} STATIC ${sources})
  target_include_directories(velmora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)

  set(reach ${name})
  foreach(lower IN LISTS layer_USES)
    target_link_libraries(velmora_${name} PUBLIC velmora_${lower})
    get_property(lower_reach GLOBAL PROPERTY velmora_reach_${lower})
    list(APPEND reach ${lower_reach})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL PROPERTY velmora_reach_${name} ${reach})

  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/velmora_${name}_includes.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DLAYER=${name}" "-DALLOWED=${reach}" "-DSOURCES=${sources}" "-DSTAMP=${stamp}"
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    COMMENT "Checking the includes of the ${name} layer"
    VERBATIM)
  add_custom_target(velmora_${name}_includes DEPENDS ${stamp})
  add_dependencies(velmora_${name} velmora_${name}_includes)
endfunction()
