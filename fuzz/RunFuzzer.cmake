# Runs one fuzz target for a bounded number of inputs over a fresh copy of its seeds.
# Called by CTest with FUZZER, SEEDS, WORK, DICT, MAX_LEN and RUNS set.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK})

execute_process(
    COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=${MAX_LEN} -dict=${DICT}
            -artifact_prefix=${WORK}- -print_final_stats=1 ${WORK}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR
            "${FUZZER} found a failing input (exit ${result}); it is saved next to ${WORK}")
endif()
