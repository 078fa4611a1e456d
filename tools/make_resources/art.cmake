# Generates the art files that plyk2.rc and zorv2.rc embed, into
# ${PLYK_GENERATED_DIR}/plyk2 and .../zorv2, with the custom targets
# plyk2_art and zorv2_art. Each directory also gets art.stamp, newer than all its
# files, for rules that depend on the whole set. Needs PLYK_MAKE_RESOURCES.

function(plyk_art_file prefix kind output)
  set(dir ${PLYK_GENERATED_DIR}/${prefix})
  set(inputs ${ARGN})
  add_custom_command(OUTPUT ${dir}/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${PLYK_MAKE_RESOURCES} ${kind} ${dir}/${output} ${inputs}
    DEPENDS ${inputs} ${PLYK_MAKE_RESOURCES_DEPENDS}
    COMMENT "Making ${prefix}/${output}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY ${prefix}_ART_FILES ${dir}/${output})
endfunction()

function(plyk_art_target prefix)
  set(dir ${PLYK_GENERATED_DIR}/${prefix})
  get_property(files GLOBAL PROPERTY ${prefix}_ART_FILES)
  add_custom_command(OUTPUT ${dir}/art.stamp
    COMMAND ${CMAKE_COMMAND} -E touch ${dir}/art.stamp
    DEPENDS ${files}
    VERBATIM)
  add_custom_target(${prefix}_art ALL DEPENDS ${dir}/art.stamp)
  set(${prefix}_ART_FILES ${files} CACHE INTERNAL "")
  set(${prefix}_ART_DIR ${dir} CACHE INTERNAL "")
endfunction()

set(art ${PROJECT_SOURCE_DIR}/src/cutter/app/art)
plyk_art_file(plyk2 icon plyk2_app.ico ${art}/colours.txt ${art}/app_icon.txt)
plyk_art_file(plyk2 icon plyk2_sprite_file.ico ${art}/colours.txt ${art}/sprite_file_icon.txt)
plyk_art_file(plyk2 icon plyk2_picture.ico ${art}/colours.txt ${art}/picture_icon.txt)
plyk_art_file(plyk2 icon plyk2_palette_file.ico ${art}/colours.txt ${art}/palette_file_icon.txt)
plyk_art_file(plyk2 cursor plyk2_transparent.cur ${art}/transparent_cursor.txt)
plyk_art_file(plyk2 bitmap plyk2_toolbar.bmp ${art}/colours.txt ${art}/toolbar.txt)
plyk_art_file(plyk2 sprite plyk2_pointers.plk ${art}/pointers.txt)
plyk_art_target(plyk2)

set(art ${PROJECT_SOURCE_DIR}/src/motion/app/art)
plyk_art_file(zorv2 icon zorv2_app.ico ${art}/colours.txt ${art}/app_icon.txt)
plyk_art_file(zorv2 icon zorv2_motion_window.ico ${art}/colours.txt ${art}/motion_window_icon.txt)
plyk_art_file(zorv2 icon zorv2_sprite_window.ico ${art}/colours.txt ${art}/sprite_window_icon.txt)
plyk_art_file(zorv2 icon zorv2_motion_file.ico ${art}/colours.txt ${art}/motion_file_icon.txt)
plyk_art_file(zorv2 cursor zorv2_transparent.cur ${art}/transparent_cursor.txt)
plyk_art_file(zorv2 bitmap zorv2_toolbar.bmp ${art}/colours.txt ${art}/toolbar.txt)
plyk_art_file(zorv2 sprite zorv2_pointers.plk ${art}/pointers.txt)
plyk_art_target(zorv2)
