# The floor check on the real sources passes, and on a copy with one include from a floor
# above, or from the tests, fails, naming the file and the line.
#   cmake -DSOURCE=<source folder> -DWORK=<scratch folder> -P PlantedInclude.cmake
cmake_minimum_required(VERSION 3.25)
set(check ${SOURCE}/cmake/CheckFloors.cmake)

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SOURCE} -P ${check} RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The floor check fails on the sources as they are:\n${output}")
endif()

# A copy of the product folders in which the memory image includes a cell of the sheet.
file(REMOVE_RECURSE ${WORK})
foreach(folder platform text help memory values base files clone sheet print workflows manual ui cli app tools)
  file(COPY ${SOURCE}/${folder} DESTINATION ${WORK} FILES_MATCHING PATTERN "*.cpp" PATTERN "*.h")
endforeach()
file(READ ${WORK}/memory/Bcd.cpp text)
string(REGEX MATCHALL "\n" newlines "${text}")
list(LENGTH newlines lines_before)
math(EXPR planted_line "${lines_before} + 1")
file(APPEND ${WORK}/memory/Bcd.cpp "#include \"sheet/cells/ListCell.h\"\n")

# The two sheet floors may not use each other upwards either.
file(APPEND ${WORK}/sheet/layout/SheetCursor.cpp "#include \"sheet/cells/ActiveCellFrame.h\"\n")

# Nor may a program take the tests' manual timing, though cli/ may use nearly every floor.
file(APPEND ${WORK}/cli/TesselCli.cpp "#include \"tests/support/ManualTiming.h\"\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${check} RESULT_VARIABLE result ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "The floor check passed the planted includes")
endif()
foreach(expected "memory/Bcd.cpp:${planted_line}: memory includes sheet/cells/ListCell.h from sheet/cells"
                 "sheet/layout/SheetCursor.cpp:"
                 "cli includes tests/support/ManualTiming.h from the tests")
  string(FIND "${output}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "The floor check did not name \"${expected}\":\n${output}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
