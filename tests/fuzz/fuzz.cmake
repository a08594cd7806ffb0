# Opt-in libFuzzer target over the PPD import. It needs clang and its runtime
# (Debian: clang, libclang-rt-14-dev); the normal build never touches it.
#   cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DORDOVAN_BUILD_FUZZER=ON
option(ORDOVAN_BUILD_FUZZER "Build the libFuzzer target over the PPD import (needs clang)" OFF)
if(NOT ORDOVAN_BUILD_FUZZER)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ORDOVAN_BUILD_FUZZER needs clang: configure with "
                      "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()

# The model sources are compiled into the target itself, instrumented for
# coverage and checked by the address and undefined-behaviour sanitizers;
# the ordovan_model library of the other targets stays as it is.
file(GLOB _fuzz_model_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/model/*.cpp)
add_executable(fuzz_load_ppd ${CMAKE_CURRENT_LIST_DIR}/fuzz_load_ppd.cpp ${_fuzz_model_sources})
ordovan_uses_ppd_interface(${CMAKE_CURRENT_LIST_DIR}/fuzz_load_ppd.cpp ${_fuzz_model_sources})
target_include_directories(fuzz_load_ppd PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(fuzz_load_ppd PRIVATE Qt5::Core PkgConfig::CUPS)
set(_fuzz_flags -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
target_compile_options(fuzz_load_ppd PRIVATE ${_fuzz_flags})
target_link_options(fuzz_load_ppd PRIVATE ${_fuzz_flags})
