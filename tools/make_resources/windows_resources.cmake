# Compiling the programs' .rc scripts with windres. The scripts are UTF-8 and name
# generated files (palette, art) and the bitmap fonts, found through -I.
#
#   include(${PROJECT_SOURCE_DIR}/tools/make_resources/windows_resources.cmake)
#   plyk_windows_resources(Plyk2 ${CMAKE_CURRENT_SOURCE_DIR}/plyk2.rc plyk2)
#
# compiles plyk2.rc into an object file that is linked into the target. The rc is
# compiled by a custom command rather than as an RC source, so that the C++ options
# every target of ours gets never reach windres.

# plyk_compile_rc(<output> <rc file> <art prefix> <coff|res> <windres>)
function(plyk_compile_rc output rc prefix format windres)
  get_filename_component(rc ${rc} ABSOLUTE)
  get_filename_component(rc_dir ${rc} DIRECTORY)
  get_filename_component(name ${rc} NAME)
  set(gen ${PLYK_GENERATED_DIR})
  set(fonts_dir ${PROJECT_SOURCE_DIR}/src/graphics/fonts)
  file(GLOB fonts CONFIGURE_DEPENDS ${fonts_dir}/*.fnt)
  # The application manifest the .rc names (${prefix}.manifest).
  set(PLYK_MANIFEST_PROGRAM ${prefix})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${gen}/${prefix}/${prefix}.manifest @ONLY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${windres} -c 65001 -I ${rc_dir} -I ${gen} -I ${gen}/${prefix} -I ${fonts_dir}
            -i ${rc} -O ${format} -o ${output}
    DEPENDS ${rc} ${rc_dir}/../resource_ids.h ${PLYK_PALETTE_BLOCK} ${gen}/${prefix}/art.stamp ${fonts}
            ${gen}/plyk_version.h ${gen}/${prefix}/${prefix}.manifest
    COMMENT "Compiling ${name}"
    VERBATIM)
endfunction()

# plyk_windows_resources(<target> <rc file> <art prefix>)
function(plyk_windows_resources target rc prefix)
  get_filename_component(stem ${rc} NAME_WE)
  set(obj ${CMAKE_CURRENT_BINARY_DIR}/${stem}_rc.o)
  plyk_compile_rc(${obj} ${rc} ${prefix} coff ${CMAKE_RC_COMPILER})
  target_sources(${target} PRIVATE ${obj})
  add_dependencies(${target} ${prefix}_art palette_block)
endfunction()
