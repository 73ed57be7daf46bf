#include "contracts/numkit/Peak.h"

IMPLEMENT_DYNAMIC(CPeak, CObject)

CPeak::CPeak(int iStart, int iEnd, int iApex, double dHeight)
    : m_iStart(iStart), m_iEnd(iEnd), m_iApex(iApex), m_dHeight(dHeight) {}
