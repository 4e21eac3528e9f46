# Runs the data compiler twice into fresh directories and checks that both
# runs write the same bytes as the blocks the build embedded.
# Variables: DATACOMP (the compiler), ARGS (its source arguments, a list),
# WORK (scratch directory), BLOCKS (the build's block directory), NAMES (the
# block file names without .bin).
foreach(_run 1 2)
  set(_dir "${WORK}/run${_run}")
  file(REMOVE_RECURSE "${_dir}")
  file(MAKE_DIRECTORY "${_dir}")
  execute_process(COMMAND "${DATACOMP}" ${ARGS} --out "${_dir}" --no-check
    RESULT_VARIABLE _rc OUTPUT_QUIET)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "data compiler run ${_run} failed (${_rc})")
  endif()
endforeach()
foreach(_name IN LISTS NAMES ITEMS french_manifest.txt english_manifest.txt)
  if(_name MATCHES "\\.txt$")
    set(_file "${_name}")
  else()
    set(_file "${_name}.bin")
  endif()
  file(SHA256 "${WORK}/run1/${_file}" _a)
  file(SHA256 "${WORK}/run2/${_file}" _b)
  file(SHA256 "${BLOCKS}/${_file}" _c)
  if(NOT _a STREQUAL _b)
    message(FATAL_ERROR "${_file}: two runs differ")
  endif()
  if(NOT _a STREQUAL _c)
    message(FATAL_ERROR "${_file}: differs from the embedded block")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "data compiler: identical bytes in both runs and in the build")
