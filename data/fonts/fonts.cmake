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

function(velmo_add_fonts dir out_var)
  set(fonts)
  # The labels' faces get even vertical metrics (--em); the buttons' keep
  # their own, by which every view centres captions alike. Each face but the
  # title's, which is fitted to its text, has whole advances at the one size
  # the window shows it at (src/platform/faces.h). The buttons' face is hinted
  # anew, as FreeType's autohinter hints it (--autohint), for WebKitGTK, which
  # runs a face's own instructions.
  foreach(face "lato/Lato-Black;velmo-black;Velmo Black;--em;--size=13;--autohint"
               "lato/Lato-BlackItalic;velmo-black-italic;Velmo Black;--em;--size=19;--autohint"
               "dejavu/DejaVuSans;velmo-sans;Velmo Sans;--size=12;--autohint"
               "dejavu/DejaVuSans-Bold;velmo-sans-bold;Velmo Sans;--em;--autohint")
    list(GET face 0 source)
    list(GET face 1 name)
    list(GET face 2 family)
    list(SUBLIST face 3 -1 options)
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
