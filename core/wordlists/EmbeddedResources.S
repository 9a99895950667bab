/* The files of data/, included byte for byte, one object per row of the generated resource
   table. The data folder is on the assembler's include path (core/CMakeLists.txt). */
#include "core/wordlists/DataTables.h"

    .section .rodata
#define QUILLEX_EMBED(constant, name, id, count, lengthSlices) \
    .global quillex_##name##_begin;                              \
    .global quillex_##name##_end;                                \
    .type quillex_##name##_begin, @object;                       \
    .type quillex_##name##_end, @object;                         \
    .balign 16;                                                  \
quillex_##name##_begin:                                          \
    .incbin #name;                                               \
quillex_##name##_end:                                            \
    .size quillex_##name##_begin, quillex_##name##_end - quillex_##name##_begin;
QUILLEX_RESOURCES(QUILLEX_EMBED)

    .section .note.GNU-stack,"",@progbits
