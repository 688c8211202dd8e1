# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for Karvo's own targets only; third-party headers are included as system headers.
function(karvo_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
        -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)
endfunction()
