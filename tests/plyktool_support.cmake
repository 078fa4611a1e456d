# Shared by the scripts that run plyktool as a user would. Included with
# -DPLYKTOOL=... -DWORK=... set; WORK is emptied first.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs plyktool and checks its exit status; a failure must print exactly one line
# "plyktool: ..." on stderr. Standard output is left in OUT, standard error in ERR.
function(run expected_code)
  execute_process(COMMAND ${PLYKTOOL} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "plyktool ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  if(NOT code EQUAL 0 AND NOT err MATCHES "^plyktool: [^\n]*\n$")
    message(FATAL_ERROR "plyktool ${ARGN}: expected one error line, got:\n${err}")
  endif()
  set(OUT "${out}" PARENT_SCOPE)
  set(ERR "${err}" PARENT_SCOPE)
endfunction()

# `plyktool info FILE` fails with exactly this line.
function(expect_info_error file line)
  run(1 info ${file})
  if(NOT ERR STREQUAL "plyktool: ${file}: ${line}\n")
    message(FATAL_ERROR "plyktool info ${file}: expected\n  ${line}\ngot\n  ${ERR}")
  endif()
endfunction()

# A copy of src with the bytes at offset replaced by hex (e.g. "00000100").
function(patched_copy src dst offset hex)
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${src} ${dst})
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${hex}")
  execute_process(COMMAND sh -c "/usr/bin/printf '${escaped}' | dd of='${dst}' bs=1 seek=${offset} conv=notrunc 2>/dev/null")
endfunction()

# The first count bytes of src.
function(cut_copy src dst count)
  execute_process(COMMAND head -c ${count} ${src} OUTPUT_FILE ${dst})
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
