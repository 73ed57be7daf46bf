#pragma once
// The XY data set of the data-set library: points whose X and raw Y are stored, and their display
// points (x = dCalcX(X), y = dCalcY(raw Y)) in the current X and Y modes. The point count grows by
// iAddValue up to the point capacity. Derived documents read and write the state directly; the
// critical section guards the point arrays against a feeder on another thread.
//
// The virtual operations keep the order of the library's slots, which derived documents extend.
#include <mutex>
#include <string>
#include <vector>

#include "contracts/framework/Array.h"
#include "contracts/framework/Document.h"
#include "contracts/uikit/DoublePt.h"

class PQ_EXPORT CData2D : public CDocument {
    DECLARE_DYNAMIC(CData2D)
public:
    CData2D();
    ~CData2D() override;

    virtual void vSetName(const std::string& name);
    virtual int iSetXMode(int mode);
    virtual int iSetYMode(int mode);
    virtual void vSetPrecisionType(int type);
    // Decimal places of the display; kept as given (the documents' formatting uses them within
    // 0..15).
    virtual void vSetXPrecision(int digits);
    virtual void vSetYPrecision(int digits);
    virtual void vSetXValueRange(double dMin, double dMax);
    virtual void vSetYValueRange(double dMin, double dMax);
    virtual void vSetRangesFromData();
    virtual void vSetYRangeFromData();
    // The lowest and highest display Y, as (min, max).
    virtual CDoublePt GetYRangeFromData() const;
    // The display point whose X lies nearest to x; *pFound (when given) is 1 when there is one.
    virtual CDoublePt GetPointFromX(double x, int* pFound);
    virtual int iAddValue(const CDoublePt* pPoint);
    virtual int iAddValue(const CDoublePt& point);
    virtual int iAddValues(const std::vector<CDoublePt>& points);
    virtual int iAddValues(const CDoublePt* pPoints, int n);
    virtual int iSetValue(const CDoublePt* pPoint, int index);
    virtual int iSetValue(const CDoublePt& point, int index);
    virtual int iSetValues(const std::vector<CDoublePt>& points, int index);
    virtual int iSetValues(const CDoublePt* pPoints, int n, int index);
    virtual void vSetXValueResetRange(double dMin, double dMax);
    virtual void vSetYValueResetRange(double dMin, double dMax);
    virtual double dCalcX(double x) const;
    virtual double dCalcY(double y) const;
    // Smallest X step between neighbouring points (1 with fewer than two points).
    virtual double dGetIncMin() const;

    // Queries.
    const std::string& GetName() const { return GetTitle(); }
    int iGetNumPts() const { return m_iNumPts; }
    int iGetMaxPts() const { return m_iMaxPts; }
    BOOL bIsComplete() const { return m_iMaxPts > 0 && m_iNumPts >= m_iMaxPts ? TRUE : FALSE; }
    // Display point i; (0, 0) outside the points.
    CDoublePt GetValue(int i) const;
    const double* pdGetXData() const { return m_vdX.data(); }
    const double* pdGetYData() const { return m_vdY.data(); }
    double dGetXMin() const { return m_dXMin; }
    double dGetXMax() const { return m_dXMax; }
    double dGetYMin() const { return m_dYMin; }
    double dGetYMax() const { return m_dYMax; }
    int iGetXMode() const { return m_iXMode; }
    int iGetYMode() const { return m_iYMode; }
    int iGetXPrecision() const { return m_iXPrecision; }
    int iGetYPrecision() const { return m_iYPrecision; }
    std::string GetXUnits() const;
    std::string GetYUnits() const;
    std::string GetXQuantity() const;
    std::string GetYQuantity() const;
    // Records the Y mode the values are stored in; the display mode may still change.
    void vFixYMode(int mode) { m_iFixedYMode = mode; }
    int iGetFixedYMode() const { return m_iFixedYMode; }

    // The base takes the n values and gives up the arrays it held (Y first, then X, as the
    // documents re-dimension); the point capacity becomes n.
    void vSetYData(double* pdY, int n);
    void vSetXData(double* pdX, int n);

    std::recursive_mutex& GetLock() const { return m_csData; }

protected:
    // Makes the point capacity n, keeping the points below it. The arrays never shrink and grow
    // geometrically underneath, so growing a set point by point costs linear time.
    void vResizePoints(int n);
    void vFillDisplayPoint(int i);
    // iAddValue for a caller that already holds the lock: a block of points appended under one
    // hold of it.
    int iAppendValue(const CDoublePt& point);
    // The same without the display point, which the caller then fills (lock held).
    int iAppendStoredValue(const CDoublePt& point);
    bool bHasPoint(int i) const { return i >= 0 && i < m_iMaxPts; }

    std::vector<double> m_vdX;         // X of each point
    std::vector<double> m_vdY;         // raw Y of each point
    std::vector<CDoublePt> m_vPoints;  // display point of each point
    int m_iNumPts = 0;
    int m_iMaxPts = 0;
    int m_iNumPts2 = 0;  // second counter, reset with the point count
    int m_iFirstX = 0;   // first X index
    int m_iXMode = 0;
    int m_iYMode = 0;
    int m_iFixedYMode = -1;  // the Y mode the values are stored in; -1 not recorded
    int m_iPrecisionType = 0;
    int m_iXPrecision = 0;
    int m_iYPrecision = 4;
    CStringArray m_saXQuantity;        // X quantity names
    CStringArray m_saYQuantity;        // Y quantity names, by Y mode
    CStringArray m_saXUnits;           // X unit names
    CStringArray m_saYUnits;           // Y unit names, by Y mode
    std::string m_sAbsUnit;            // absorbance unit text
    double m_dAbsNonPositiveT = 10.0;  // absorbance shown for a transmittance at or below zero
    double m_dXMin = 0.0;
    double m_dXMax = 1.0;
    double m_dYMin = 0.0;
    double m_dYMax = 1.0;
    mutable std::recursive_mutex m_csData;  // guards the point arrays
};
