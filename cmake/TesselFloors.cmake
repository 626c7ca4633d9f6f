# The floors of the program: each product folder and the floors it may include from. A floor
# lists only floors above it in this table, so no two folders can include each other, directly
# or through others. The configure step reads every product source's #include lines and fails
# on an include from a floor the table does not allow, naming the file and the line. The tests'
# folders are no floor that product code may use: an include from tests/ fails in every floor.
set(TESSEL_FLOORS
  "platform:"
  "platform/qt:platform"
  "text:platform"
  "help:platform text"
  "memory:platform text"
  "values:platform text memory"
  "base:platform text memory values"
  "files:platform text memory values base"
  "clone:platform text memory values base"
  "sheet/layout:platform text memory values base"
  "sheet/cells:platform text memory values base files clone sheet/layout"
  "print:platform text memory values base sheet/layout"
  "workflows:platform text memory values base files clone"
  "manual:"
  "ui:platform platform/qt text help memory values base files clone sheet/layout sheet/cells print workflows manual"
  "cli:platform platform/qt text memory values base files clone sheet/layout sheet/cells print workflows manual"
  "cli/print:platform platform/qt text memory values base files clone sheet/layout sheet/cells print workflows manual ui cli"
  "app:platform platform/qt text ui manual"
  "tools/radio-sim:platform platform/qt text memory values base files clone"
  "tools/manpage:manual"
  "tools/completion:manual"
  "tools/tablegen:"
  "tools/icon-png:")

# Splits "folder:uses" into floor_folder and floor_uses in the caller's scope.
macro(_tessel_split_floor entry)
  string(FIND "${entry}" ":" colon)
  string(SUBSTRING "${entry}" 0 ${colon} floor_folder)
  math(EXPR after "${colon} + 1")
  string(SUBSTRING "${entry}" ${after} -1 floor_uses)
  separate_arguments(floor_uses UNIX_COMMAND "${floor_uses}")
endmacro()

# Fails when the table itself lets a floor use one listed after it, or one it does not know.
function(_tessel_check_floor_table)
  set(seen "")
  foreach(entry IN LISTS TESSEL_FLOORS)
    _tessel_split_floor("${entry}")
    foreach(used IN LISTS floor_uses)
      if(NOT used IN_LIST seen)
        message(FATAL_ERROR "The floor table lets ${floor_folder} use ${used}, which is not a floor below it.")
      endif()
    endforeach()
    list(APPEND seen "${floor_folder}")
  endforeach()
endfunction()

# tessel_check_floors(ROOT): every .cpp and .h in the table's folders under ROOT includes
# only from its own floor and the floors the table lets it use. An include names its floor by
# its folder; a folder outside the table (generated or system headers) is no floor, and one
# under tests/ none that product code may use.
function(tessel_check_floors root)
  _tessel_check_floor_table()
  set(floors "")
  foreach(entry IN LISTS TESSEL_FLOORS)
    _tessel_split_floor("${entry}")
    list(APPEND floors "${floor_folder}")
  endforeach()
  set(violations "")
  foreach(entry IN LISTS TESSEL_FLOORS)
    _tessel_split_floor("${entry}")
    set(allowed ${floor_uses} ${floor_folder})
    file(GLOB sources RELATIVE ${root} ${root}/${floor_folder}/*.cpp ${root}/${floor_folder}/*.h)
    foreach(source IN LISTS sources)
      # One list element per line: list separators and brackets in the code become harmless.
      file(READ ${root}/${source} text)
      string(REGEX REPLACE "[][;]" "_" text "${text}")
      string(REPLACE "\n" ";" lines "${text}")
      set(line_number 0)
      foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
          continue()
        endif()
        set(included "${CMAKE_MATCH_1}")
        get_filename_component(included_floor "${included}" DIRECTORY)
        if(included MATCHES "^tests/")
          list(APPEND violations
            "${source}:${line_number}: ${floor_folder} includes ${included} from the tests, which product code may not use")
        elseif(included_floor IN_LIST floors AND NOT included_floor IN_LIST allowed)
          list(APPEND violations
            "${source}:${line_number}: ${floor_folder} includes ${included} from ${included_floor}, a floor it may not use")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes across the floors:\n  ${text}\n"
      "A floor uses only the floors listed for it in cmake/TesselFloors.cmake, and nothing under tests/.")
  endif()
endfunction()
