#pragma once
// A calibration segment: one piece of the calibration curve that links the concentration of a
// sample with its reading (the displayed photometric value, usually the absorbance). A fitted
// calibration is one segment; a segmented calibration is one straight segment between each pair of
// neighbouring standards. The standards document owns the segments of its calibration list and
// deletes them through the virtual destructor; the unknowns document embeds one segment for its
// manual calibration; documents and views read and write the fields directly.
//
// The segment is a polynomial of order 1, 2 or 3 (coefficients above the order are unused)
//
//     P(t) = c0 + c1·t + c2·t² + c3·t³
//
// read in one of two directions: m_iDirection 0 means reading = P(concentration), 1 means
// concentration = P(reading). dEvaluateY gives the reading for a concentration and dEvaluateX the
// concentration for a reading: one of them evaluates P, the other solves P(r) = target for r:
//
//     order 1:  r = (target − c0) / c1
//     order 2:  r = (−c1 + √(c1² − 4·c2·(c0 − target))) / (2·c2)      always the plus root
//     order 3:  the real roots of the cubic; of three real roots the one inside the admissible
//               interval (the reading range when solving for a reading, the concentration range
//               when solving for a concentration), bounds included
//
// A result without a single value (no real root, several admissible roots) is kNoValue. A new
// segment is the identity X = Y.
#include "PhotoquantExport.h"
#include "contracts/framework/Object.h"
#include "document/QuantitationCodes.h"

class PQ_EXPORT CCalibSegment : public CObject {
    DECLARE_DYNAMIC(CCalibSegment)
public:
    CCalibSegment() = default;
    ~CCalibSegment() override;

    // The reading the curve gives for concentration x. 0.0 for an order outside 1 to 3, and for a
    // straight segment solved for its reading whose slope |c1| is at most kEpsilon.
    double dEvaluateY(double x) const;
    // The concentration the curve gives for reading y. kNoValue for an order outside 1 to 3.
    double dEvaluateX(double y) const;
    // The reading at concentration zero: the blank value of a calibration.
    double dCalcConc0Data() const;

    int m_iOrder = 1;                           // 1, 2 or 3
    double m_dCoeff[4] = {0.0, 1.0, 0.0, 0.0};  // c0 … c3, index = power
    double m_dYMin = 0.0;                       // reading range
    double m_dYMax = 0.0;
    double m_dXMin = 0.0;  // concentration range
    double m_dXMax = 0.0;
    double m_dR = 0.0;   // R of the least-squares fit; 0 for a segment drawn between two standards
    double m_dR2 = 0.0;  // R² of the same fit
    int m_iDirection = photoquant::kConcFromReading;  // or kReadingFromConc

private:
    bool bHasCurveOrder() const { return m_iOrder >= 1 && m_iOrder <= 3; }
    double dPolynomialCoeffFirst(double t) const;
    double dPolynomialArgumentFirst(double t) const;
    int iSolvableOrder() const;
    double dSolve(double target, double lo, double hi, bool bFlatSlopeGivesZero) const;
    double dSolveStraight(double target, bool bFlatSlopeGivesZero) const;
    double dSolveQuadratic(double target) const;
    double dSolveCubic(double target, double lo, double hi) const;
};
