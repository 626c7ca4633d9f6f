# The test support library (tests/support) is for the tests, benchmarks and fuzz targets only.
# A product target, one defined outside tests/, bench/ and fuzz/, that links it fails the
# configure step. Every product target's own links are read, so a product target that would
# reach the library through another is caught at the one that links it.

# Appends the targets defined in dir and in the folders added below it to targets_var,
# leaving out those of the tests, benchmarks and fuzz targets.
function(_tessel_product_targets dir targets_var)
  set(targets ${${targets_var}})
  if(NOT dir MATCHES "^${PROJECT_SOURCE_DIR}/(tests|bench|fuzz)(/|$)")
    get_property(defined DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    list(APPEND targets ${defined})
  endif()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    _tessel_product_targets(${subdir} targets)
  endforeach()
  set(${targets_var} ${targets} PARENT_SCOPE)
endfunction()

# tessel_require_no_test_support(): fails when a product target links tessel_test_support.
function(tessel_require_no_test_support)
  set(targets "")
  _tessel_product_targets(${PROJECT_SOURCE_DIR} targets)
  set(offenders "")
  foreach(target IN LISTS targets)
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    if("${links};${interface}" MATCHES "(^|[;:>])tessel_test_support([;>]|$)")
      list(APPEND offenders ${target})
    endif()
  endforeach()
  if(offenders)
    message(FATAL_ERROR "Product targets link the test support library: ${offenders}. "
      "Only the tests, benchmarks and fuzz targets link tessel_test_support.")
  endif()
endfunction()
