# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for every target of the project.
function(panelwright_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
endfunction()
