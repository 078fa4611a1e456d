# Shared by the scripts that run plyktool as a user would. Included with
# -DPLYKTOOL=... -DWORK=... set; WORK is emptied first.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs plyktool and checks its exit status; a failure must print exactly one line
# "plyktool: ..." on stderr. Standard output is left in OUT.
function(run expected_code)
  execute_process(COMMAND ${PLYKTOOL} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "plyktool ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  if(NOT code EQUAL 0 AND NOT err MATCHES "^plyktool: [^\n]*\n$")
    message(FATAL_ERROR "plyktool ${ARGN}: expected one error line, got:\n${err}")
  endif()
  set(OUT "${out}" PARENT_SCOPE)
endfunction()

function(expect_contains text)
  string(FIND "${OUT}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected '${text}' in:\n${OUT}")
  endif()
endfunction()

function(expect_same_file a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a} ${b} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${a} and ${b} differ")
  endif()
endfunction()

function(expect_size path size)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "${path} was not written")
  endif()
  file(SIZE ${path} actual)
  if(NOT actual EQUAL size)
    message(FATAL_ERROR "${path}: ${actual} bytes, expected ${size}")
  endif()
endfunction()
