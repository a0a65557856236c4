# Compiles the help project into one .chm file, or fails and leaves none.
#
#   cmake -DPROJECT=help/kelvash.hhp -DPICTURES_DIR=... -DSTAGE_DIR=... -DOUTPUT=.../kelvash.chm
#         -DCHMCMD=/usr/bin/chmcmd -P BuildHelp.cmake
#
# Every file the project lists must exist, and every page, picture and style sheet that
# a page, the contents or the index points to must be one of them: the compiler itself
# only warns about such gaps and writes its file regardless. Pictures come from
# PICTURES_DIR (the card pictures cut at build time), everything else from the project's
# folder. The compiler writes into the staging folder; only a complete file is moved to
# OUTPUT.
#
# A translated help passes its pages' folder as SOURCE_DIR (the project then may live
# elsewhere) and the English folder as SHARED_DIR, where the files that are no page,
# contents or index (the style sheet) come from when the pages' folder has none.
cmake_minimum_required(VERSION 3.25)

foreach(var PROJECT PICTURES_DIR STAGE_DIR OUTPUT CHMCMD)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "BuildHelp.cmake: ${var} is not set")
  endif()
endforeach()

# An old file must not pass for the result of this run.
file(REMOVE "${OUTPUT}")

function(fail message)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "Help file not built: ${message}")
endfunction()

if(DEFINED SOURCE_DIR)
  set(source_dir "${SOURCE_DIR}")
else()
  get_filename_component(source_dir "${PROJECT}" DIRECTORY)
endif()
get_filename_component(project_name "${PROJECT}" NAME)
if(NOT EXISTS "${PROJECT}")
  fail("the project ${PROJECT} is missing")
endif()

# The project's options and its list of files.
file(STRINGS "${PROJECT}" project_lines)
set(section "")
set(listed "")
set(options "")
foreach(line IN LISTS project_lines)
  string(STRIP "${line}" line)
  if(line MATCHES "^\\[(.*)\\]$")
    set(section "${CMAKE_MATCH_1}")
  elseif(line STREQUAL "" OR line MATCHES "^;")
  elseif(section STREQUAL "FILES")
    string(REPLACE "\\" "/" line "${line}")
    list(APPEND listed "${line}")
  elseif(section STREQUAL "OPTIONS" AND line MATCHES "^([^=]+)=(.*)$")
    string(STRIP "${CMAKE_MATCH_1}" key)
    string(STRIP "${CMAKE_MATCH_2}" value)
    string(REPLACE " " "_" key "${key}")
    set(option_${key} "${value}")
  endif()
endforeach()
foreach(key Contents_file Index_file Default_topic)
  if(NOT DEFINED option_${key})
    fail("${project_name} names no ${key}")
  endif()
endforeach()
set(contents "${option_Contents_file}")
set(index "${option_Index_file}")
list(APPEND listed "${contents}" "${index}")
list(REMOVE_DUPLICATES listed)

# A fresh staging folder with every listed file.
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
foreach(name IN LISTS listed)
  if(name MATCHES "^pictures/(.*)$")
    set(from "${PICTURES_DIR}/${CMAKE_MATCH_1}")
  else()
    set(from "${source_dir}/${name}")
    if(DEFINED SHARED_DIR AND NOT EXISTS "${from}" AND NOT name MATCHES "\\.(html|htm|hhc|hhk)$")
      set(from "${SHARED_DIR}/${name}")
    endif()
  endif()
  if(NOT EXISTS "${from}" OR IS_DIRECTORY "${from}")
    fail("${name} is missing (looked for ${from})")
  endif()
  get_filename_component(to_dir "${STAGE_DIR}/${name}" DIRECTORY)
  file(COPY "${from}" DESTINATION "${to_dir}")
endforeach()

# Every reference must lead to a listed file.
string(TOLOWER "${listed}" listed_lower)
set(problems "")
foreach(name IN LISTS listed)
  if(NOT name MATCHES "\\.(html|htm|hhc|hhk|css)$")
    continue()
  endif()
  file(READ "${STAGE_DIR}/${name}" text)
  string(REGEX MATCHALL "(href|src|HREF|SRC)=\"[^\"]*\"|(value|VALUE)=\"[^\"]*\\.(html|htm)[^\"]*\"|url\\([^)]*\\)" refs "${text}")
  get_filename_component(dir "${name}" DIRECTORY)
  foreach(ref IN LISTS refs)
    string(REGEX REPLACE "^[A-Za-z]+=\"([^\"]*)\"$" "\\1" target "${ref}")
    string(REGEX REPLACE "^url\\(['\"]?([^'\")]*)['\"]?\\)$" "\\1" target "${target}")
    if(target MATCHES "^[A-Za-z][A-Za-z0-9+.-]*:" OR target MATCHES "^#")
      continue() # web and mail addresses, and places on the same page
    endif()
    string(REGEX REPLACE "#.*$" "" target "${target}")
    if(target STREQUAL "")
      continue()
    endif()
    if(dir STREQUAL "" OR target MATCHES "^/")
      string(REGEX REPLACE "^/" "" resolved "${target}")
    else()
      set(resolved "${dir}/${target}")
    endif()
    cmake_path(NORMAL_PATH resolved)
    string(TOLOWER "${resolved}" resolved_lower)
    list(FIND listed_lower "${resolved_lower}" at)
    if(at EQUAL -1)
      string(APPEND problems "\n  ${name} points to ${target}, which is not in the help file")
    endif()
  endforeach()
endforeach()
if(NOT problems STREQUAL "")
  fail("${problems}")
endif()
list(FIND listed "${option_Default_topic}" at)
if(at EQUAL -1)
  fail("the start page ${option_Default_topic} is not in the help file")
endif()

# Compile into the staging folder under a name of its own, then move the whole file.
get_filename_component(output_name "${OUTPUT}" NAME)
set(partial "${output_name}.partial")
file(READ "${PROJECT}" project_text)
string(REGEX REPLACE "Compiled file=[^\r\n]*" "Compiled file=${partial}" project_text "${project_text}")
file(WRITE "${STAGE_DIR}/${project_name}" "${project_text}")
execute_process(
  COMMAND "${CHMCMD}" --no-html-scan "${project_name}"
  WORKING_DIRECTORY "${STAGE_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT result EQUAL 0 OR out MATCHES "Warning|Error|exception")
  file(REMOVE "${STAGE_DIR}/${partial}")
  fail("chmcmd failed (${result}):\n${out}")
endif()
if(NOT EXISTS "${STAGE_DIR}/${partial}")
  fail("chmcmd wrote no file")
endif()
file(SIZE "${STAGE_DIR}/${partial}" size)
if(size EQUAL 0)
  file(REMOVE "${STAGE_DIR}/${partial}")
  fail("chmcmd wrote an empty file")
endif()
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
# A copy next to the output first, so that the final rename never crosses file systems.
file(COPY_FILE "${STAGE_DIR}/${partial}" "${OUTPUT}.partial")
file(RENAME "${OUTPUT}.partial" "${OUTPUT}")
