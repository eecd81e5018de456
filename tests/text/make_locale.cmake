# Builds a locale into a folder of the build tree:
#   cmake -DLOCALEDEF=... -DCHARMAP=SHIFT_JIS -DSOURCE=ja_JP -DOUTPUT=dir -P make_locale.cmake
# localedef answers 1 for mere warnings (such as a character map that is not
# ASCII compatible), so success is judged by the files it wrote.
file(REMOVE_RECURSE ${OUTPUT})
get_filename_component(parent ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${parent})
execute_process(COMMAND ${LOCALEDEF} -f ${CHARMAP} -i ${SOURCE} ${OUTPUT}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT EXISTS ${OUTPUT}/LC_CTYPE)
  message(FATAL_ERROR "localedef failed (${result}): ${output}")
endif()
