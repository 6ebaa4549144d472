# tervox_add_fuzz_target(NAME SOURCE LIBS...)
# With TERVOX_FUZZ: a libFuzzer program NAME (clang, -fsanitize=fuzzer,address,undefined).
# Always: a CTest test NAME_replay that feeds every file of tests/fuzz/corpus/NAME
# to the same entry point, so inputs that once crashed stay covered in every build.
function(tervox_add_fuzz_target name source)
  set(libs ${ARGN})
  set(corpus ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
  if(TERVOX_FUZZ)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${libs})
  else()
    add_executable(${name}_replay ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/replaymain.cpp)
    target_link_libraries(${name}_replay PRIVATE ${libs})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${corpus})
  endif()
endfunction()
