# The game's program laid out for its start, on Linux with GNU ld. The kernel
# reads a program in blocks of 64 KB around each page that is run or read, so
# functions the start runs, scattered over the whole program, bring in most of
# it. Here every function gets a section of its own (-ffunction-sections), and
# the linker's own script, changed in two places, places them: the functions of
# app/start_functions.txt (those the start runs, listed by
# scripts/order-start-code.sh) first in .text, and the read-only data the start
# never reads (that of the advisor, the review, SQLite and the windows the start
# does not open) after the rest of .rodata, away from what it does read. The
# strings of functions compiled into many files stay with the rest: the linker
# keeps one copy, from whichever file. The program stays one .text section, as debuggers
# and valgrind expect. Where the linker prints no script of its own, or the
# changed script does not link, the program is linked as usual.
# The program's segments start at 64 KB boundaries in the file and so, as the
# kernel aligns the program to them, in memory: its blocks of 64 KB then line
# up with the segments instead of straddling their ends. Relative relocations
# are packed too where the linker and the C library can (glibc 2.36 and later):
# the loader then reads a few hundred bytes of them at start instead of 60 KB.
#
# Sets DAKRU_PROGRAM_LAYOUT to the changed script, or to nothing, and
# DAKRU_PACKED_RELOCATIONS and DAKRU_SEGMENTS_ALIGNED where the linker can.
set(DAKRU_PROGRAM_LAYOUT "")
set(dakru_start_functions ${PROJECT_SOURCE_DIR}/app/start_functions.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dakru_start_functions})

if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  include(CheckLinkerFlag)
  check_linker_flag(CXX "LINKER:-z,pack-relative-relocs" DAKRU_PACKED_RELOCATIONS)
  check_linker_flag(CXX "LINKER:-z,max-page-size=0x10000" DAKRU_SEGMENTS_ALIGNED)

  set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/program_layout_probe)
  file(WRITE ${probe}.cpp "int main() { return 0; }\n")
  separate_arguments(flags UNIX_COMMAND "${CMAKE_CXX_FLAGS}")
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${flags} ${probe}.cpp -o ${probe} -Wl,--verbose
                  RESULT_VARIABLE failed OUTPUT_VARIABLE verbose ERROR_QUIET)
  # GNU ld prints the script it links with between two lines of '='.
  string(REGEX REPLACE "^.*\n=+\n(.*)\n=+\n.*$" "\\1" script "${verbose}")
  set(text_anchor "    *(.text.unlikely .text.*_unlikely .text.unlikely.*)")
  set(rodata_anchor "  .rodata         : { *(.rodata .rodata.* .gnu.linkonce.r.*) }")
  string(FIND "${script}" "${text_anchor}" text_at)
  string(FIND "${script}" "${rodata_anchor}" rodata_at)
  if(failed EQUAL 0 AND NOT script STREQUAL verbose AND text_at GREATER -1 AND rodata_at GREATER -1)
    file(STRINGS ${dakru_start_functions} sections REGEX "^\\.text\\.")
    list(TRANSFORM sections PREPEND "    *(")
    list(TRANSFORM sections APPEND ")")
    list(JOIN sections "\n" start)
    string(REPLACE "${text_anchor}" "    /* The C runtime's start, every static initialiser, and what the start runs. */
    *crt1.o(.text .text.*)
    *crti.o(.text .text.*)
    *crtbegin*.o(.text .text.*)
    *(.text.startup .text.startup.*)
${start}
${text_anchor}" script "${script}")
    # What the start reads of the read-only data first, where the segment starts;
    # the strings of inline functions with it, whichever file's copy is kept.
    set(later *libdakru_advisor.a:* *libdakru_advisor_core.a:* *libdakru_review.a:* *libsqlite3.a:*
              *libdakru_ui_review.a:* *libdakru_ui_about.a:* *libdakru_ui_high_scores.a:* *libdakru_ui_table.a:*)
    list(JOIN later " " later)
    string(REPLACE "${rodata_anchor}" "  .rodata         : { *(.rodata.*.str*) EXCLUDE_FILE (${later}) *(.rodata .rodata.* .gnu.linkonce.r.*) }
  /* Read on the first hint, by the review, when a game ends (SQLite) or by a window opened later. */
  .rodata.later   : { *(.rodata .rodata.*) }" script "${script}")
    set(layout ${CMAKE_BINARY_DIR}/program_layout.ld)
    file(CONFIGURE OUTPUT ${layout} CONTENT "${script}" @ONLY)
    check_linker_flag(CXX "LINKER:-T,${layout}" DAKRU_PROGRAM_LAYOUT_LINKS)
    if(DAKRU_PROGRAM_LAYOUT_LINKS)
      set(DAKRU_PROGRAM_LAYOUT ${layout})
      add_compile_options(-ffunction-sections)
    endif()
  endif()
endif()
