# Builds one layering probe and checks that it compiles when its include is allowed, and
# fails because the header cannot be found when it is not.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(ALLOWED)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TARGET}: ${HEADER} should be reachable:\n${output}")
    endif()
else()
    # GCC and clang say it in their own words.
    string(FIND "${output}" "${HEADER}: No such file or directory" missing)
    if(missing EQUAL -1)
        string(FIND "${output}" "'${HEADER}' file not found" missing)
    endif()
    if(result EQUAL 0 OR missing EQUAL -1)
        message(FATAL_ERROR "${TARGET}: ${HEADER} must not be reachable:\n${output}")
    endif()
endif()
