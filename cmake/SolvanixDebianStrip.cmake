# Run by cpack on the staged package tree (CPACK_PRE_BUILD_SCRIPTS): strips the programs the way
# dh_strip does, which plain strip (CPACK_STRIP_FILES) does not finish: it keeps .comment.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_SOLVANIX_STRIP} --remove-section=.comment --remove-section=.note
            --strip-unneeded ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
