# Strict warnings for every target of ours; -Werror when BODELOG_WERROR is on (CI).
option(BODELOG_WERROR "Treat compiler warnings as errors" OFF)

function(bodelog_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast
        -Wnon-virtual-dtor -Woverloaded-virtual -Wconversion -Wsign-conversion
        -ffp-contract=off)
    if(BODELOG_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
