# Copies the content folders into the build tree beside the program.
# Files that a running program writes (the worksheet catalogue and teachers'
# worksheets) are only copied when missing, so rebuilding never loses them.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  set(dst ${DST}/${f})
  if(f STREQUAL "multiple/track.txt" AND EXISTS ${dst})
    continue()
  endif()
  if(NOT EXISTS ${dst} OR ${SRC}/${f} IS_NEWER_THAN ${dst})
    get_filename_component(dir ${dst} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SRC}/${f} ${dst} ONLY_IF_DIFFERENT)
  endif()
endforeach()
