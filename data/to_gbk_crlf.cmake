# cmake -DSOURCE=<utf-8 file> -DTARGET=<gbk file> -P to_gbk_crlf.cmake
# Turns a UTF-8 text with LF lines into GBK with CR LF lines. iconv fails on a
# character that GBK lacks, which fails the build instead of shipping "?".
get_filename_component(dir ${TARGET} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
file(READ ${SOURCE} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${TARGET}.crlf "${text}")
execute_process(
  COMMAND iconv -f UTF-8 -t GBK ${TARGET}.crlf
  OUTPUT_FILE ${TARGET}.tmp
  RESULT_VARIABLE rc)
file(REMOVE ${TARGET}.crlf)
if(NOT rc EQUAL 0)
  file(REMOVE ${TARGET}.tmp)
  message(FATAL_ERROR "iconv could not convert ${SOURCE} to GBK")
endif()
file(RENAME ${TARGET}.tmp ${TARGET})
