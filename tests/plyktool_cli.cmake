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
