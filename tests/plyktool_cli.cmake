# Runs plyktool as a user would and checks exit codes, outputs and written files.
# Called by CTest with -DPLYKTOOL=... -DWORK=... -DEXAMPLES=...
include(${CMAKE_CURRENT_LIST_DIR}/plyktool_support.cmake)

run(0 --help)
expect_contains("resave IN OUT")
run(0 --version)
expect_contains("plyktool ${VERSION}")

run(0 info ${EXAMPLES}/shapes.plk)
expect_contains("count 5")
expect_contains("total length 1531")
expect_contains("    2  25 x 25")

# The sample was written with the usual offset table, so a resave gives the same bytes.
run(0 resave ${EXAMPLES}/shapes.plk ${WORK}/shapes.plk)
expect_same_file(${EXAMPLES}/shapes.plk ${WORK}/shapes.plk)

# Motion files: bundles and motions listed, a resave gives the same bytes.
run(0 info ${EXAMPLES}/sample.zrv)
expect_contains("bundles 3")
expect_contains("\"걷기\"  3 motions")  # CP949 names shown as UTF-8
expect_contains("sprites 3")
run(0 info --motions ${EXAMPLES}/sample.zrv)
expect_contains("sound \"hit2.wav\"")
run(0 resave ${EXAMPLES}/sample.zrv ${WORK}/sample.zrv)
expect_same_file(${EXAMPLES}/sample.zrv ${WORK}/sample.zrv)

run(0 palette --default ${WORK}/default.pal)
file(SIZE ${WORK}/default.pal size)
if(NOT size EQUAL 66308)
  message(FATAL_ERROR "default.pal is ${size} bytes")
endif()
run(0 info ${WORK}/default.pal)
expect_contains("palette file")
expect_contains("  9   87  87 255")

# The built-in mixing table is the one built from its colours.
run(0 mixtable ${WORK}/default.pal ${WORK}/rebuilt.pal)
expect_same_file(${WORK}/default.pal ${WORK}/rebuilt.pal)
run(0 resave ${WORK}/default.pal ${WORK}/again.pal)
expect_same_file(${WORK}/default.pal ${WORK}/again.pal)

# Failures: one line on stderr, exit status 1, nothing overwritten.
file(WRITE ${WORK}/junk.bin "JUNKJUNKJUNK")
run(1 info ${WORK}/junk.bin)
run(1 info ${WORK}/missing.plk)
run(1 info)
run(1 frobnicate)
run(1 palette ${WORK}/x.pal)
run(1 mixtable ${WORK}/shapes.plk ${WORK}/x.pal)
# A truncated copy is refused and the target keeps its content.
execute_process(COMMAND sh -c "head -c 200 ${EXAMPLES}/shapes.plk > ${WORK}/short.plk")
run(1 resave ${WORK}/short.plk ${WORK}/shapes.plk)
expect_same_file(${EXAMPLES}/shapes.plk ${WORK}/shapes.plk)

# Broken copies of each format: every one says what is wrong and where.
cut_copy(${EXAMPLES}/shapes.plk ${WORK}/cut.plk 200)
expect_info_error(${WORK}/cut.plk "truncated at byte 200 (sprite 1 of 5)")
patched_copy(${EXAMPLES}/shapes.plk ${WORK}/magic.plk 0 "504c5958")
expect_info_error(${WORK}/magic.plk "not a sprite file")
# Sprite 1 claims 256 x 256 pixels.
patched_copy(${EXAMPLES}/shapes.plk ${WORK}/claims.plk 56 "000001000001000000010000")
expect_info_error(${WORK}/claims.plk "sprite 1 of 5 at byte 56 claims 65536 bytes; 1463 are left")

cut_copy(${WORK}/default.pal ${WORK}/cut.pal 1000)
expect_info_error(${WORK}/cut.pal "truncated at byte 1000 (palette)")
patched_copy(${WORK}/default.pal ${WORK}/magic.pal 0 "50414c21")
expect_info_error(${WORK}/magic.pal "not a palette file")

cut_copy(${EXAMPLES}/sample.zrv ${WORK}/cut.zrv 500)
expect_info_error(${WORK}/cut.zrv "truncated at byte 500 (bundle 1 of 3)")
patched_copy(${EXAMPLES}/sample.zrv ${WORK}/magic.zrv 0 "5a4f5258")
expect_info_error(${WORK}/magic.zrv "not a motion file")
patched_copy(${EXAMPLES}/sample.zrv ${WORK}/version.zrv 4 "65000000")
expect_info_error(${WORK}/version.zrv "unsupported version 101")
# The first bundle claims 100 motions.
patched_copy(${EXAMPLES}/sample.zrv ${WORK}/claims.zrv 76 "64000000")
expect_info_error(${WORK}/claims.zrv "bundle 1 of 3 at byte 44 claims 24400 bytes; 1156 are left")

cut_copy(${EXAMPLES}/step.wav ${WORK}/cut.wav 100)
expect_info_error(${WORK}/cut.wav "truncated at byte 100 (chunk 2)")
patched_copy(${EXAMPLES}/step.wav ${WORK}/magic.wav 8 "41564920")
expect_info_error(${WORK}/magic.wav "not a wave file")
patched_copy(${EXAMPLES}/step.wav ${WORK}/claims.wav 40 "00001000")
expect_info_error(${WORK}/claims.wav "chunk 2 at byte 36 claims 1048576 bytes; 1323 are left")
