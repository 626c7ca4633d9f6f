# The core links no Qt: what links the core (the programs, the window, the command-line
# tool) brings the Qt implementations of the platform interfaces itself. A core target
# whose link interface reaches a Qt target, however indirectly, fails the configure step.

# Sets chain_var to "target -> ... -> offender" for the first Qt target that target's link
# interface reaches, or to "" when it reaches none. visited_var carries the targets seen.
function(_tessel_find_qt_link target chain_var visited_var)
  set(visited ${${visited_var}} ${target})
  set(found "")
  get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  if(NOT links)
    set(links "")
  endif()
  foreach(link IN LISTS links)
    # Static libraries list their private dependencies as $<LINK_ONLY:name>.
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.+)>$" "\\1" link "${link}")
    if(link MATCHES "^Qt[0-9]*::" OR link STREQUAL "tessel_platform_qt")
      set(found "${target} -> ${link}")
      break()
    endif()
    if(TARGET ${link} AND NOT link IN_LIST visited)
      _tessel_find_qt_link(${link} chain visited)
      if(chain)
        set(found "${target} -> ${chain}")
        break()
      endif()
    endif()
  endforeach()
  set(${chain_var} "${found}" PARENT_SCOPE)
  set(${visited_var} ${visited} PARENT_SCOPE)
endfunction()

# tessel_require_qt_free(TARGET...): fails the configure step when a target's link
# interface names a Qt target or tessel_platform_qt, directly or through other targets.
function(tessel_require_qt_free)
  foreach(target IN LISTS ARGN)
    set(visited "")
    _tessel_find_qt_link(${target} chain visited)
    if(chain)
      message(FATAL_ERROR "${target} must link no Qt, but its link interface reaches Qt: ${chain}. "
        "Link Qt and tessel_platform_qt from the targets that use the core, not from the core.")
    endif()
  endforeach()
endfunction()
