# Builds the help from a copy of its sources with one thing broken, and checks that the
# build fails and leaves no help file, not even an older one that was there before.
set(src "${WORK_DIR}/src")
set(pictures "${WORK_DIR}/pictures")
set(output "${WORK_DIR}/out/kelvash.chm")
file(REMOVE_RECURSE "${WORK_DIR}")
get_filename_component(source_dir "${PROJECT}" DIRECTORY)
file(GLOB sources "${source_dir}/*.html" "${source_dir}/*.css" "${source_dir}/*.hh?")
file(COPY ${sources} DESTINATION "${src}")
file(COPY "${PICTURES_DIR}/" DESTINATION "${pictures}")
get_filename_component(project_name "${PROJECT}" NAME)

if(BROKEN STREQUAL "page")
  file(REMOVE "${src}/heap.html")
elseif(BROKEN STREQUAL "picture")
  file(REMOVE "${pictures}/heap.png")
elseif(BROKEN STREQUAL "link")
  file(READ "${src}/mover.html" text)
  string(REPLACE "</body>" "<p><a href=\"rules-of-thumb.html\">More</a></p></body>" text "${text}")
  file(WRITE "${src}/mover.html" "${text}")
else()
  message(FATAL_ERROR "unknown case ${BROKEN}")
endif()

# A file from an earlier, good build.
file(WRITE "${output}" "an older help file")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -DPROJECT=${src}/${project_name} -DPICTURES_DIR=${pictures}
          -DSTAGE_DIR=${WORK_DIR}/stage -DOUTPUT=${output} -DCHMCMD=${CHMCMD}
          -P "${BUILD_SCRIPT}"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)

if(result EQUAL 0)
  message(FATAL_ERROR "the build did not fail with a missing ${BROKEN}:\n${out}")
endif()
file(GLOB leftovers "${WORK_DIR}/out/*")
if(leftovers)
  message(FATAL_ERROR "the failed build left ${leftovers}")
endif()
if(NOT out MATCHES "Help file not built")
  message(FATAL_ERROR "the build failed for another reason:\n${out}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
