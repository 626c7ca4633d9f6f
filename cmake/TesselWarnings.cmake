# Warnings for the project's own targets; third-party headers come in as SYSTEM.
function(tessel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion)
endfunction()
