#pragma once

namespace dakru::ui {

// The start's trace: each step the program takes up to the main window's first
// frame, and the few after it, with what it has cost so far. The benchmark
// turns it on by setting DAKRU_START_TRACE in the environment and reads it from
// standard output; without that variable a step costs one test of a flag.
//
// One line a step, tab-separated:
//   trace  STEP  CLOCK-NS  CPU-NS  RESIDENT-KB  LIBRARIES
// CLOCK-NS is the monotonic clock that every process shares, so the reader can
// take it from the moment it started the program; CPU-NS is the processor time
// of the whole process so far; RESIDENT-KB its memory in use, LIBRARIES the
// shared objects it has loaded (the program itself and the loader included).
// Safe to call from any thread.
void traceStep(const char* step);

}  // namespace dakru::ui
