# The window's faces, made from Debian's font packages by subset-font (only
# the characters the game shows, renamed, with the metrics each view sets its
# text by) as WOFF2: the page serves them, the desktop carries them inside its
# program. The same sources give the same bytes.
#
#   velmo_add_fonts(DIR OUT_VAR [METRICS_DIR])
#       adds the commands that make them in DIR, and puts their paths in
#       OUT_VAR; with METRICS_DIR, each face's advances and kerning there too
#       (NAME.metrics), by which the page's build measures a caption
set(VELMO_FONTS_DIR ${CMAKE_CURRENT_LIST_DIR})

execute_process(COMMAND /usr/bin/python3 -c "import fontTools, brotli, ctypes; ctypes.CDLL('libttfautohint.so.1')"
                RESULT_VARIABLE fonts_python_missing OUTPUT_QUIET ERROR_QUIET)
if(NOT fonts_python_missing EQUAL 0)
  message(FATAL_ERROR "The window's faces are made by Python's fontTools, with brotli and ttfautohint's library (Debian: python3-fonttools, python3-brotli, libttfautohint1 or on Debian 13 libttfautohint1t64)")
endif()

# The faces come from the one table of them, src/platform/faces.h: each row
# gives the face's file, family, size, the Debian font it is cut from, and
# whether it ascends and descends one em (--em) and has whole advances at
# its size (--size). Every face is hinted anew as FreeType's autohinter hints
# it (--autohint), for WebKitGTK, which runs a face's own instructions.
set(VELMO_FACES_TABLE ${CMAKE_CURRENT_LIST_DIR}/../../src/platform/faces.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELMO_FACES_TABLE})
file(STRINGS ${VELMO_FACES_TABLE} VELMO_FACE_ROWS REGEX "^ *\\{\"velmo-")

function(velmo_add_fonts dir out_var)
  set(fonts)
  foreach(row ${VELMO_FACE_ROWS})
    if(NOT row MATCHES "^ *{\"([^\"]+)\", *\"([^\"]+)\", *[0-9]+, *(true|false), *([0-9]+), *[^,]+, *\"([^\"]+)\", *(true|false), *(true|false)}")
      message(FATAL_ERROR "${VELMO_FACES_TABLE}: a face's row not as expected: ${row}")
    endif()
    set(name ${CMAKE_MATCH_1})
    set(family ${CMAKE_MATCH_2})
    set(source ${CMAKE_MATCH_5})
    set(options --autohint)
    if(CMAKE_MATCH_6)
      list(APPEND options --em)
    endif()
    if(CMAKE_MATCH_7)
      list(APPEND options --size=${CMAKE_MATCH_4})
    endif()
    set(out ${dir}/${name}.woff2)
    set(metrics)
    if(ARGC GREATER 2)
      set(metrics ${ARGV2}/${name}.metrics)
      list(APPEND options --metrics ${metrics})
    endif()
    add_custom_command(OUTPUT ${out} ${metrics}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir} ${ARGV2}
      COMMAND ${VELMO_FONTS_DIR}/subset-font /usr/share/fonts/truetype/${source}.ttf ${out} ${family} ${options}
      DEPENDS ${VELMO_FONTS_DIR}/subset-font /usr/share/fonts/truetype/${source}.ttf
      COMMENT "Font ${name}" VERBATIM)
    list(APPEND fonts ${out})
  endforeach()
  set(${out_var} ${fonts} PARENT_SCOPE)
endfunction()
