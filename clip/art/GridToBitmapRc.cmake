# Turns a pixel-art grid (art/*.grid) into a resource script fragment that holds the
# picture as a bitmap resource (RT_BITMAP): a BITMAPINFOHEADER, the palette and the
# pixel rows at 4 bits per pixel, exactly what a .bmp file holds after its file header.
# CMake cannot write binary files, so the bytes go to windres as raw resource data.
#
#   cmake -DGRID=<grid file> -DID=<resource id> -DOUT=<rc fragment> -P GridToBitmapRc.cmake

foreach(var GRID ID OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "GridToBitmapRc: ${var} is not set")
  endif()
endforeach()

file(STRINGS "${GRID}" lines)
set(palette_chars "")
set(palette_bytes "")
set(rows "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line MATCHES "^[ \t]*$")
    continue()
  elseif(line MATCHES "^colour ([^ ]) +([0-9]+) +([0-9]+) +([0-9]+)[ \t]*$")
    list(APPEND palette_chars "${CMAKE_MATCH_1}")
    # RGBQUAD: blue, green, red, reserved.
    list(APPEND palette_bytes ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} ${CMAKE_MATCH_2} 0)
  else()
    list(APPEND rows "${line}")
  endif()
endforeach()

list(LENGTH palette_chars colours)
list(LENGTH rows height)
if(colours EQUAL 0 OR colours GREATER 16)
  message(FATAL_ERROR "GridToBitmapRc: ${GRID} needs 1 to 16 colours, has ${colours}")
endif()
if(height EQUAL 0)
  message(FATAL_ERROR "GridToBitmapRc: ${GRID} has no pixel rows")
endif()
list(GET rows 0 first_row)
string(LENGTH "${first_row}" width)

# Little-endian bytes of a 32-bit or 16-bit field, appended to the list `out`.
macro(append_le out value size)
  set(_v ${value})
  foreach(_i RANGE 1 ${size})
    math(EXPR _b "${_v} & 255")
    list(APPEND ${out} ${_b})
    math(EXPR _v "${_v} >> 8")
  endforeach()
endmacro()

math(EXPR stride "((${width} * 4 + 31) / 32) * 4")
math(EXPR image_size "${stride} * ${height}")

set(bytes "")
append_le(bytes 40 4)              # biSize
append_le(bytes ${width} 4)        # biWidth
append_le(bytes ${height} 4)       # biHeight: positive, rows stored bottom-up
append_le(bytes 1 2)               # biPlanes
append_le(bytes 4 2)               # biBitCount
append_le(bytes 0 4)               # biCompression: BI_RGB
append_le(bytes ${image_size} 4)   # biSizeImage
append_le(bytes 0 4)               # biXPelsPerMeter
append_le(bytes 0 4)               # biYPelsPerMeter
append_le(bytes ${colours} 4)      # biClrUsed
append_le(bytes 0 4)               # biClrImportant
list(APPEND bytes ${palette_bytes})

math(EXPR last_row "${height} - 1")
math(EXPR row_bytes "(${width} + 1) / 2")
math(EXPR padding "${stride} - ${row_bytes}")
foreach(r RANGE ${last_row} 0 -1)
  list(GET rows ${r} row)
  string(LENGTH "${row}" row_width)
  if(NOT row_width EQUAL width)
    message(FATAL_ERROR "GridToBitmapRc: ${GRID} row ${r} has ${row_width} pixels, not ${width}")
  endif()
  set(high -1)
  math(EXPR last_x "${width} - 1")
  foreach(x RANGE 0 ${last_x})
    string(SUBSTRING "${row}" ${x} 1 ch)
    list(FIND palette_chars "${ch}" index)
    if(index LESS 0)
      message(FATAL_ERROR "GridToBitmapRc: ${GRID} row ${r} uses '${ch}', which is not in the palette")
    endif()
    if(high LESS 0)
      set(high ${index})
    else()
      math(EXPR b "${high} * 16 + ${index}")
      list(APPEND bytes ${b})
      set(high -1)
    endif()
  endforeach()
  if(NOT high LESS 0)
    math(EXPR b "${high} * 16")
    list(APPEND bytes ${b})
  endif()
  if(padding GREATER 0)
    foreach(p RANGE 1 ${padding})
      list(APPEND bytes 0)
    endforeach()
  endif()
endforeach()

# windres takes raw data as 16-bit little-endian words; the size is always even here,
# since the header, the palette and every row are multiples of 4 bytes.
list(LENGTH bytes count)
get_filename_component(grid_name "${GRID}" NAME)
set(text "/* Generated from ${grid_name} by GridToBitmapRc.cmake: edit the grid, not this file. */\n")
string(APPEND text "${ID} 2\nBEGIN\n")
set(line "   ")
set(on_line 0)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET bytes ${i} lo)
  list(GET bytes ${j} hi)
  math(EXPR word "${hi} * 256 + ${lo}" OUTPUT_FORMAT HEXADECIMAL)
  if(j LESS last)
    string(APPEND line " ${word},")
  else()
    string(APPEND line " ${word}")
  endif()
  math(EXPR on_line "${on_line} + 1")
  if(on_line EQUAL 12)
    string(APPEND text "${line}\n")
    set(line "   ")
    set(on_line 0)
  endif()
endforeach()
if(on_line GREATER 0)
  string(APPEND text "${line}\n")
endif()
string(APPEND text "END\n")

# Rewrite only on change, so that the resource script is not rebuilt needlessly.
set(old "")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
