#include "host/RunError.h"

std::string CRunError::sMessage() const {
    std::string message = m_sFile;
    if (!m_sWhere.empty()) {
        message += ": " + m_sWhere;
    }
    return message + ": " + m_sProblem;
}
