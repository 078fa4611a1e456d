# plyktool sheet as a user runs it: the written BMP opens in an image reader.
# Called by CTest with -DPLYKTOOL=... -DWORK=...
include(${CMAKE_CURRENT_LIST_DIR}/../plyktool_support.cmake)

set(EXAMPLE ${CMAKE_CURRENT_LIST_DIR}/../../examples/shapes.plk)
run(0 sheet ${EXAMPLE} ${WORK}/shapes.bmp --columns 3)
file(SIZE ${WORK}/shapes.bmp size)
# 5 sprites in 3 columns: 183 x 122 pixels, rows padded to 184 bytes.
math(EXPR want "14 + 40 + 1024 + 184 * 122")
if(NOT size EQUAL want)
  message(FATAL_ERROR "shapes.bmp is ${size} bytes, expected ${want}")
endif()

find_program(IDENTIFY identify)
if(IDENTIFY)
  execute_process(COMMAND ${IDENTIFY} -format "%m %w %h %k" ${WORK}/shapes.bmp
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0 OR NOT out MATCHES "^BMP3? 183 122 ")
    message(FATAL_ERROR "identify: ${code} ${out}${err}")
  endif()
endif()
find_program(FILE_CMD file)
if(FILE_CMD)
  execute_process(COMMAND ${FILE_CMD} -b ${WORK}/shapes.bmp OUTPUT_VARIABLE out)
  if(NOT out MATCHES "bitmap")
    message(FATAL_ERROR "file: ${out}")
  endif()
endif()

# With a palette file, and refusals.
run(0 palette --default ${WORK}/default.pal)
# The built-in palette given as a file gives the same picture.
run(0 sheet ${EXAMPLE} ${WORK}/with_palette.bmp --palette ${WORK}/default.pal --columns 3)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/with_palette.bmp ${WORK}/shapes.bmp
  RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the default palette from a file gave another picture")
endif()
run(1 sheet ${EXAMPLE} ${WORK}/x.bmp --palette ${EXAMPLE})
run(1 sheet ${WORK}/default.pal ${WORK}/x.bmp)
run(1 sheet ${EXAMPLE} ${WORK}/x.bmp --columns 0)
run(1 sheet ${EXAMPLE} ${WORK}/x.bmp --columns)
run(1 sheet ${EXAMPLE})
run(1 sheet ${WORK}/missing.plk ${WORK}/x.bmp)
if(EXISTS ${WORK}/x.bmp)
  message(FATAL_ERROR "a refused sheet wrote its output")
endif()
