#pragma once
// The photoquant program: its command line, and what each exit status means.
//   photoquant                      runs the built-in example and prints its report
//   photoquant run FILE             runs a run file
//   --csv DIR, --html FILE          also write the lists as CSV files, the report as an HTML page
//   --profile FILE                  the INI file of the application profile (calibration option)
#include <ostream>

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitRunFailed = 1;  // the run could not be completed, or a report not written
// Bad usage; a run file, spectrum file or profile that is wrong; an output that names an input.
constexpr int kExitBadInput = 2;

// Runs the program on its arguments; the report goes to out, messages to err.
int iRunProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
