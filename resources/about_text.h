// The About window's texts, shown alike by the Windows program and the web page.
#pragma once

#define QUILL_ABOUT_COPYRIGHT "Copyright (C) 2026 Quillmere"

// The licence's terms in brief; LICENSE.txt, shipped beside the program, has them whole.
#define QUILL_ABOUT_NOTICE                                                                          \
    "Quillmere builds a metaphor or a simile from three words you pick: a concept, "                \
    "an action and an object.\r\n\r\n"                                                              \
    "Copyright (c) 2026 the Quillmere developers. Quillmere is free software under the "            \
    "MIT License: anyone may use, copy, change and pass it on, free or for a fee, provided "        \
    "that this copyright and the licence go with every copy. It comes with no warranty of "         \
    "any kind. The full terms are in LICENSE.txt."
