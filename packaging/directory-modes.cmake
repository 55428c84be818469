# Run by CPack between installing into its staging directory and packing it: every
# directory gets mode 0755, which the builder's umask may have narrowed.
# Without the staging directory the pattern below would be "/*": stop rather than guess.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    message(FATAL_ERROR
            "no CPack staging directory: '${CPACK_TEMPORARY_INSTALL_DIRECTORY}'")
endif()
message(STATUS "directory modes set to 0755 under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
file(GLOB_RECURSE GA_ENTRIES LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
set(GA_DIRECTORIES "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
foreach(entry IN LISTS GA_ENTRIES)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
        list(APPEND GA_DIRECTORIES "${entry}")
    endif()
endforeach()
file(CHMOD ${GA_DIRECTORIES} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
