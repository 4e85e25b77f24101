# Generated media: bitmaps, icons and WAVE recordings made by tools/media at build time.
# Nothing generated is committed; both builds share TIKORA_MEDIA_DIR and regenerate only when a
# generator changes.
set(TIKORA_MEDIA_STAMPS)
foreach(kind bitmaps sounds)
  set(script ${CMAKE_SOURCE_DIR}/tools/media/gen_${kind}.py)
  if(kind STREQUAL "bitmaps")
    file(GLOB_RECURSE deps CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/media/bitmaps/*.py)
  else()
    file(GLOB_RECURSE deps CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/media/audio/*.py)
  endif()
  if(EXISTS ${script})
    add_custom_command(
      OUTPUT ${TIKORA_MEDIA_DIR}/${kind}.stamp
      COMMAND ${TIKORA_PYTHON} ${script} --out ${TIKORA_MEDIA_DIR}
      DEPENDS ${script} ${deps}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      COMMENT "Generating ${kind} into ${TIKORA_MEDIA_DIR}"
      VERBATIM)
    list(APPEND TIKORA_MEDIA_STAMPS ${TIKORA_MEDIA_DIR}/${kind}.stamp)
  endif()
endforeach()
add_custom_target(media ALL DEPENDS ${TIKORA_MEDIA_STAMPS})
