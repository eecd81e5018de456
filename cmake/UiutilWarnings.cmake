# Warnings as errors for everything the project builds itself.
add_library(uiutil_warnings INTERFACE)
target_compile_options(uiutil_warnings INTERFACE -Wall -Wextra -Werror)

# Windows binaries link the MinGW runtime (libgcc, libstdc++, winpthread)
# statically, so that Wine needs no runtime DLL beside them.
if(WIN32)
  add_link_options(-static)
endif()
