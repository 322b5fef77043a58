# Run by the test GroundFloorDoesNotTalkToTheStudent with -DSOURCE=<source root>.
# Only the drill, the calculator and the input model tell the student through
# the UI port; the arithmetic, the pictures and the rest of the matrix study
# hand their messages back as values. One row per folder (its ui/ below it
# included): the folder, then the files in it that may include the port.
cmake_minimum_required(VERSION 3.25)

set(rows
    "arith"
    "picture"
    "matrix Calculator.cpp Calculator.h MatrixInput.cpp MatrixInput.h")

set(offenders "")
foreach(row IN LISTS rows)
  separate_arguments(row UNIX_COMMAND "${row}")
  list(POP_FRONT row folder)
  file(GLOB_RECURSE files RELATIVE "${SOURCE}/${folder}" "${SOURCE}/${folder}/*.cpp"
       "${SOURCE}/${folder}/*.h")
  foreach(file IN LISTS files)
    if(file IN_LIST row)
      continue()
    endif()
    file(STRINGS "${SOURCE}/${folder}/${file}" hits
         REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]platform/UiPort\\.h[>\"]")
    if(hits)
      list(APPEND offenders "${folder}/${file}")
    endif()
  endforeach()
endforeach()

if(offenders)
  list(JOIN offenders ", " named)
  message(FATAL_ERROR "These files include platform/UiPort.h: ${named}")
endif()
message(STATUS "No ground-floor file includes platform/UiPort.h")
