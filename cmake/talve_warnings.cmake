# SPDX-License-Identifier: GPL-3.0-or-later
# Warning set shared by every target of the project.
function(talve_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wcast-qual -Wformat=2 -Wmissing-declarations)
  if(TALVE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
