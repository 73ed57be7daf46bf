#pragma once
// What went wrong with a run, told the way a user finds it: the file, the place in it (a JSON
// pointer into a run file such as /standards/1/readings/2, or "line 7" of a spectrum file) and the
// problem.
#include <string>

struct CRunError {
    std::string m_sFile;     // the file at fault
    std::string m_sWhere;    // place in it; empty when the problem is the file as a whole
    std::string m_sProblem;  // what is wrong, in the user's terms

    // "FILE: WHERE: PROBLEM", or "FILE: PROBLEM" without a place.
    std::string sMessage() const;
};
