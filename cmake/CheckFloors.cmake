cmake_minimum_required(VERSION 3.25)
# Runs the floor check alone: cmake -DROOT=<source folder> -P cmake/CheckFloors.cmake
include(${CMAKE_CURRENT_LIST_DIR}/TesselFloors.cmake)
tessel_check_floors(${ROOT})
