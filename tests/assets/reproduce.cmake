# Renders every picture and mask and synthesises the sound track twice into a
# scratch folder, and checks that both runs and the build's own files agree
# byte for byte.
#   cmake -DJOBS=<render-jobs.cmake> -DSOUNDGEN=<tool> -DSOUNDTRACK=<ovix.dat>
#         -DSCRATCH=<folder> -P reproduce.cmake
include(${JOBS})
file(REMOVE_RECURSE ${SCRATCH})

function(run_twice_and_compare label built)
  # ARGN: the command, with @OUT@ where the output folder goes.
  foreach(run a b)
    string(REPLACE "@OUT@" "${SCRATCH}/${run}" cmd "${ARGN}")
    execute_process(COMMAND ${cmd} RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${label}: run ${run} failed (${rc}): ${err}")
    endif()
  endforeach()
endfunction()

set(count 0)
foreach(job IN LISTS RENDER_JOBS)
  string(REPLACE "|" ";" args "${job}")
  set(outs)
  foreach(a IN LISTS args)
    if(a MATCHES "^@GEN@/(.*)$")
      list(APPEND outs ${CMAKE_MATCH_1})
      get_filename_component(sub ${CMAKE_MATCH_1} DIRECTORY)
      file(MAKE_DIRECTORY ${SCRATCH}/a/${sub} ${SCRATCH}/b/${sub})
    endif()
  endforeach()
  string(REPLACE "@GEN@" "@OUT@" args "${args}")
  list(GET outs 0 first)
  run_twice_and_compare(${first} "" ${RENDER_TOOL} ${args})
  foreach(out IN LISTS outs)
    foreach(other ${SCRATCH}/b/${out} ${RENDER_GEN}/${out})
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/a/${out} ${other}
                      RESULT_VARIABLE differs)
      if(differs)
        message(FATAL_ERROR "${out}: ${SCRATCH}/a/${out} and ${other} differ")
      endif()
    endforeach()
    math(EXPR count "${count} + 1")
  endforeach()
endforeach()

file(MAKE_DIRECTORY ${SCRATCH}/a ${SCRATCH}/b)
run_twice_and_compare(ovix.dat "" ${SOUNDGEN} @OUT@/ovix.dat)
foreach(other ${SCRATCH}/b/ovix.dat ${SOUNDTRACK})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/a/ovix.dat ${other}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "ovix.dat: ${SCRATCH}/a/ovix.dat and ${other} differ")
  endif()
endforeach()
math(EXPR count "${count} + 1")
if(count LESS 10)
  message(FATAL_ERROR "only ${count} outputs checked; the job list is incomplete")
endif()
message(STATUS "${count} outputs identical in two runs and in the build")
