# plyktool gif, json and zrv as a user runs them on the samples.
# Called by CTest with -DPLYKTOOL=... -DWORK=... -DEXAMPLES=...
include(${CMAKE_CURRENT_LIST_DIR}/plyktool_support.cmake)

# The first bundle by default, another by name or position; ffprobe (when present)
# reads as many frames as the bundle has motions and the delays playback shows.
run(0 gif ${EXAMPLES}/walker.zrv ${WORK}/walk.gif)
expect_contains("8 frames, 17 x 39 pixels")
run(0 gif ${EXAMPLES}/walker.zrv ${WORK}/ball.gif --bundle "공 튀기기" --scale 2 --boxes --points)
run(0 gif ${EXAMPLES}/walker.zrv ${WORK}/ghost.gif --bundle 2 --background transparent --once)
run(0 gif ${EXAMPLES}/walker.zrv ${WORK}/grey.gif --background "#808080")
find_program(FFPROBE ffprobe)
if(FFPROBE)
  execute_process(COMMAND ${FFPROBE} -v error -show_frames ${WORK}/walk.gif OUTPUT_VARIABLE probe)
  string(REGEX MATCHALL "duration_time=[0-9.]+" durations "${probe}")
  string(REPLACE ";" " " durations "${durations}")
  # Delay 3: 68 ms a motion, 7 7 6 7 7 7 7 6 hundredths (54 for 544 ms) with the rounding carried.
  set(want "duration_time=0.070000 duration_time=0.070000 duration_time=0.060000 duration_time=0.070000 duration_time=0.070000 duration_time=0.070000 duration_time=0.070000 duration_time=0.060000")
  if(NOT durations STREQUAL want)
    message(FATAL_ERROR "ffprobe read ${durations}")
  endif()
endif()

# Refusals: one line, nothing written.
run(1 gif ${EXAMPLES}/walker.zrv ${WORK}/x.gif --scale 5)
run(1 gif ${EXAMPLES}/walker.zrv ${WORK}/x.gif --bundle "없는 묶음")
run(1 gif ${EXAMPLES}/walker.zrv ${WORK}/x.gif --background pink)
run(1 gif ${EXAMPLES}/walker.plk ${WORK}/x.gif)
if(EXISTS ${WORK}/x.gif)
  message(FATAL_ERROR "a refused gif was written")
endif()

# JSON and back: the samples come back byte for byte, through the atlas beside it.
foreach(sample walker sample)
  run(0 json ${EXAMPLES}/${sample}.zrv ${WORK}/${sample}.json)
  if(NOT EXISTS ${WORK}/${sample}.png)
    message(FATAL_ERROR "${sample}.png was not written beside the JSON")
  endif()
  run(0 zrv ${WORK}/${sample}.json ${WORK}/${sample}.zrv)
  expect_same_file(${EXAMPLES}/${sample}.zrv ${WORK}/${sample}.zrv)
endforeach()

# A broken JSON is refused with the field's path, and the target keeps its content.
file(READ ${WORK}/walker.json text)
string(REPLACE "\"delay\":3" "\"delay\":0" text "${text}")
file(WRITE ${WORK}/broken.json "${text}")
file(WRITE ${WORK}/kept.zrv "kept")
execute_process(COMMAND ${PLYKTOOL} zrv ${WORK}/broken.json ${WORK}/kept.zrv RESULT_VARIABLE code ERROR_VARIABLE err)
if(NOT code EQUAL 1 OR NOT err MATCHES "bundles\\[0\\]\\.motions\\[0\\]\\.delay: must be an integer from 1 to 60")
  message(FATAL_ERROR "broken JSON: exit ${code}, ${err}")
endif()
file(READ ${WORK}/kept.zrv kept)
if(NOT kept STREQUAL "kept")
  message(FATAL_ERROR "a refused import changed the target")
endif()
file(REMOVE ${WORK}/walker.png)
run(1 zrv ${WORK}/walker.json ${WORK}/kept.zrv)
run(1 json ${EXAMPLES}/walker.plk ${WORK}/x.json)
