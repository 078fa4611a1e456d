# Runs "plyktool info", "plyktool frames" and "plyktool cut" on pictures as a user
# would and checks exit codes, outputs and the files written. Called by CTest with -DPLYKTOOL=... -DWORK=... -DPICTURES=...
include(${CMAKE_CURRENT_LIST_DIR}/../plyktool_support.cmake)

# info: format, size, frames (held ones share a buffer) and whether all decoded.
run(0 info ${PICTURES}/fli_ring.fli)
expect_contains("picture file")
expect_contains("format FLI, 1326 bytes")
expect_contains("size 24 x 10")
expect_contains("frames 5 (4 distinct)")
expect_contains("every frame decoded")
run(0 info ${PICTURES}/flc_black_held.flc)
expect_contains("frames 4 (3 distinct)")
run(0 info ${PICTURES}/bmp_os2.bmp)
expect_contains("format BMP")
expect_contains("size 12 x 6")
expect_contains("frames 1\n")
# A cut copy decodes as far as it goes: the damaged frames are listed, and it fails.
execute_process(COMMAND sh -c "head -c 1000 ${PICTURES}/fli_ring.fli > ${WORK}/cut.fli")
run(1 info ${WORK}/cut.fli)
expect_contains("damaged frames 1 2 3 4\n")
file(WRITE ${WORK}/text.pcx "not a picture")
run(1 info ${WORK}/text.pcx)

# frames: five 15 x 8 frames (rows padded to 16 bytes) and the palette file.
run(0 frames ${PICTURES}/flc_all.flc ${WORK}/frames)
foreach(i 000 001 002 003 004)
  expect_size(${WORK}/frames/frame_${i}.bmp 1206)
endforeach()
if(EXISTS ${WORK}/frames/frame_005.bmp)
  message(FATAL_ERROR "a sixth frame was written")
endif()
expect_size(${WORK}/frames/palette.pal 66308)
file(READ ${WORK}/frames/palette.pal magic LIMIT 4 HEX)
if(NOT magic STREQUAL "50414c2a")
  message(FATAL_ERROR "palette.pal starts with '${magic}'")
endif()
# The written frames are pictures again.
run(0 frames ${WORK}/frames/frame_002.bmp ${WORK}/again)
expect_size(${WORK}/again/frame_000.bmp 1206)

# cut: three figures on background 7, two of them equal.
run(0 cut ${PICTURES}/figures.pcx ${WORK}/figures.plk --palette ${WORK}/figures.pal)
expect_contains("3 cut from 1 frame, 1 duplicates dropped")
expect_size(${WORK}/figures.pal 66308)
run(0 info ${WORK}/figures.plk)
expect_contains("count 2")
expect_contains("0  3 x 2")
expect_contains("1  4 x 4")

# A transparent colour that is not the background: the whole picture is one figure.
run(0 cut ${PICTURES}/figures.pcx ${WORK}/whole.plk --transparent 0)
run(0 info ${WORK}/whole.plk)
expect_contains("0  24 x 10")

# Grid cells of frame 2: 4 x 2 cells of 4 x 4.
run(0 cut ${PICTURES}/flc_all.flc ${WORK}/grid.plk --grid 4x4 --frame 2)
expect_contains("8 cut from 1 frame")
run(0 cut ${PICTURES}/flc_all.flc ${WORK}/all.plk --all-frames)
expect_contains("from 5 frames")

# Refusals leave one line on stderr and exit 1.
run(1 cut ${PICTURES}/flc_all.flc ${WORK}/x.plk --frame 5)
run(1 cut ${PICTURES}/flc_all.flc ${WORK}/x.plk --frame 1 --all-frames)
run(1 cut ${PICTURES}/flc_all.flc ${WORK}/x.plk --transparent 256)
run(1 cut ${PICTURES}/flc_all.flc ${WORK}/x.plk --grid 0x4)
run(1 cut ${PICTURES}/flc_all.flc)
run(1 cut ${WORK}/missing.pcx ${WORK}/x.plk)
run(1 cut ${WORK}/figures.plk ${WORK}/x.plk)
run(1 frames ${WORK}/missing.flc ${WORK}/none)
if(EXISTS ${WORK}/x.plk)
  message(FATAL_ERROR "a refused cut wrote its output")
endif()

# pcx: the sprites on one PCX picture, which cuts back into the same sprites.
run(0 pcx ${WORK}/figures.plk ${WORK}/sheet.pcx --palette ${WORK}/figures.pal)
expect_contains("2 sprites")
run(0 cut ${WORK}/sheet.pcx ${WORK}/again.plk)
expect_contains("2 cut from 1 frame, 0 duplicates dropped")
expect_same_file(${WORK}/figures.plk ${WORK}/again.plk)
run(0 pcx ${WORK}/grid.plk ${WORK}/grid.pcx)
run(1 pcx ${WORK}/figures.plk)
run(1 pcx ${WORK}/missing.plk ${WORK}/y.pcx)
run(1 pcx ${WORK}/figures.pal ${WORK}/y.pcx)
run(1 pcx ${WORK}/figures.plk ${WORK}/y.pcx --palette ${WORK}/figures.plk)
if(EXISTS ${WORK}/y.pcx)
  message(FATAL_ERROR "a refused pcx wrote its output")
endif()

# Broken pictures say why: cut short, another depth, the PNG and GIF readers' words.
cut_copy(${PICTURES}/fli_ring.fli ${WORK}/reason.fli 1000)
expect_info_error(${WORK}/reason.fli "truncated at byte 1000 (frame 2 of 5); 4 of 5 frames damaged")
patched_copy(${PICTURES}/bmp_plain.bmp ${WORK}/reason.bmp 28 "1800")
expect_info_error(${WORK}/reason.bmp "unsupported bits per pixel 24")
cut_copy(${PICTURES}/figures.pcx ${WORK}/reason.pcx 500)
expect_info_error(${WORK}/reason.pcx "truncated at byte 500 (palette); 1 of 1 frames damaged")
cut_copy(${PICTURES}/png_rgba.png ${WORK}/reason.png 200)
expect_info_error(${WORK}/reason.png "chunk IDAT at byte 130 runs past the end")
cut_copy(${PICTURES}/gif_anim.gif ${WORK}/reason.gif 300)
expect_info_error(${WORK}/reason.gif "colour table cut short")
