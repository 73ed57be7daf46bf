#pragma once
// photoquant serve: the run in a browser. A local web server on 127.0.0.1 shows the four list
// views and the three property pages of the run's documents, live while a simulated instrument
// measures. It prints the address to open, with a random token that every request must carry
// (a cookie after the first visit); nothing but the run file given here and its spectra is read.
#include <ostream>
#include <string>

struct CServeOptions {
    std::string m_sRunFile;  // empty: the built-in example
    int m_iPort = 0;         // 0: a free port
};

// Serves until interrupted (SIGINT or SIGTERM); the program's exit status.
int iServe(const CServeOptions& options, std::ostream& out, std::ostream& err);
