#pragma once

// What becomes of the program when the reader of its standard output goes
// away, as in `quillstrom-cli FOLDER | head -1`: part of the platform layer,
// one definition per system (closed_output_posix.cpp, closed_output_win32.cpp).

namespace quill {

// From now on a write to a pipe whose reader has gone fails like any other
// write, which write_standard passes over, instead of ending the process, so
// that an update goes on to its end. POSIX systems would end it with SIGPIPE;
// on Windows such a write only fails.
void keep_running_when_output_closes();

} // namespace quill
