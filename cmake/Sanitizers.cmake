# SPDX-License-Identifier: GPL-3.0-or-later
if(KARVO_WITH_ASAN)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
