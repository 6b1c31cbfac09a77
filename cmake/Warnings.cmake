# tessorin_warnings: an interface target that every target of the project links, carrying
# the compiler's own spelling of "all the usual warnings".
add_library(tessorin_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(tessorin_warnings INTERFACE -Wall -Wextra)
elseif(MSVC)
    target_compile_options(tessorin_warnings INTERFACE /W4)
endif()
