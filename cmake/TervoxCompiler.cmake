# Compiler settings shared by every target.

# The whole calculation is defined in the x87 80-bit format: a 64-bit significand.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles("
  #include <limits>
  static_assert(std::numeric_limits<long double>::digits == 64);
  int main() { return 0; }" TERVOX_HAS_X87_LONG_DOUBLE)
if(NOT TERVOX_HAS_X87_LONG_DOUBLE)
  message(FATAL_ERROR "Tervox needs a compiler and target whose long double has a 64-bit "
                      "significand (x86-64 with GCC or Clang); this one does not.")
endif()

add_library(tervox_warnings INTERFACE)
add_library(tervox::warnings ALIAS tervox_warnings)
target_compile_options(tervox_warnings INTERFACE -Wall -Wextra -Wpedantic)

# Numerics: every operation rounds once, in the order written. No contraction into
# fused multiply-adds and no value-changing optimisations, whatever the build type.
add_library(tervox_numerics INTERFACE)
add_library(tervox::numerics ALIAS tervox_numerics)
target_compile_options(tervox_numerics INTERFACE -ffp-contract=off -fno-fast-math)

if(TERVOX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
