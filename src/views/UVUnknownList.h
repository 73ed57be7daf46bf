#pragma once
// The unknowns list: one row per sample and replicate (or per sample and stage position) with the
// readings, the concentration or ratio of each point, the "HIGH"/"LOW" flags against the
// concentration limits, and on a sample's last replicate row its mean with SD and CV:
//   "1.234 [0.0123][0.99676] HIGH"      mean [SD][CV %], CV = SD / mean * 100
// Placeholders stand for numbers that cannot be shown: "*****" for a result, "***** [*****][*****]"
// for a mean outside +-1e9, "*****][*****]" for such an SD, "*****]" for a CV without value.
//
// Rows. A blank sample (number 0) is labelled "BLK" and shows its first replicate only, so the
// rows of the samples after it move up; the other samples are numbered without the blanks
// ("BLK blank", "1 A", "2 B"). With the instrument's replicate-row flag off there is one row per
// sample, labelled by the document. On an XY stage (stage positions Q > 0, shown once measurement
// results are on or the stage is under control) every position has a row with its coordinates,
// and with measurement results on five rows of statistics ("Average", "Max", "Min", "Range",
// "3 sigma") follow each sample, or all samples when the stage summarises over all of them.
//
// With a validation result attached to the document the list shows the validation table instead:
// the result's own column titles, its reading texts in the data rows, and once the document is
// complete its summary rows under the last data row.
//
// While measuring, the host rewrites single rows with vUpdateDisplay, vUpdateXYDisplay and
// vUpdateGLPDisplay; each writes only into a row that exists.
#include <string>

#include "PhotoquantExport.h"
#include "views/PhotometryListView.h"

class CGLPResult;
class CPhotAccuracyJPResult;
class CPhotAccuracyResult;
class CPhotReproducibilityResult;
class CUVUnknownData;

class PQ_EXPORT CUVUnknownList : public CPhotometryListView {
    DECLARE_DYNCREATE(CUVUnknownList)
public:
    CUVUnknownList();

    CUVUnknownData* GetDocument() const;

    // 1: measurement results are shown: the stage's columns whenever there are positions, and
    // the statistics rows. Takes effect at the next update.
    void vSetMeasResult(int bMeasResult) { m_bMeasResult = bMeasResult; }
    // 1: the stage's columns are shown even without measurement results.
    void vSetXYStageControl(int bXYStageControl) { m_bXYStageControl = bXYStageControl; }

    // Rewrites the cells of sample iSamp, replicate iRep. bNewRow inserts the row first, labelled
    // by the document; nBlk is the number of blank samples before iSamp, whose missing replicate
    // rows move the row up.
    void vUpdateDisplay(int iSamp, int iRep, int bNewRow, int nBlk);
    // Rewrites the readings of sample iSamp at stage position iCoord.
    void vUpdateXYDisplay(int iSamp, int iCoord);
    // Rewrites the validation text of one reading.
    void vUpdateGLPDisplay(int iSamp, int iRep, int iWave);
    // Appends the validation summary under the rows the list holds.
    void vUpdateGLPResult();

protected:
    void vFillList() override;

private:
    // What a refresh reads from the document and the view's settings once.
    struct CLayout {
        int iNumSamp = 0;
        int iNumRep = 1;    // replicates per sample, 1 with the replicate-row flag off
        int iNumWaves = 0;  // method wavelengths
        int iNumCoord = 0;  // stage positions per sample
        int iQuantType = 0;
        int iResultType = 0;  // concentration or ratio show their columns
        int iConcDecimals = 0;
        int iReadingDecimals = 0;
        double dLoLimit = 0.0;
        double dHiLimit = 0.0;
        bool bReplicateRows = true;      // one row per replicate (else one per sample)
        bool bXY = false;                // one row per stage position, with its coordinates
        bool bSampleStatistics = false;  // statistics rows after each sample's positions
        bool bAllStatistics = false;     // statistics rows after all samples
        bool bStatisticalMode = false;   // mean, SD and CV columns
        int iFirstValueColumn = 1;       // after label, replicate number and coordinates

        int iDataCount() const { return iNumSamp * (bXY ? iNumCoord : iNumRep); }
    };

    CLayout Layout() const;
    void vInsertColumns(const CLayout& L);
    // Appends the row of data index i unless it is a later replicate of a blank, counting the
    // blanks met so far.
    void vAppendDataRow(const CLayout& L, int i, int& iBlanks);
    // The concentration or ratio layout's cells of data index i from column c on.
    void vWriteResultCells(const CLayout& L, int iRow, int c, int i, bool bSingleRow);
    std::string sConcText(const CLayout& L, int i, int iSamp) const;
    void vAppendStatisticsRows(const CLayout& L, int iSamp);

    // Validation layout.
    void vInsertValidationColumns(const CGLPResult& result);
    void vAppendValidationColumn(const std::string& heading, int w);
    void vWriteValidationCells(const CLayout& L, const CGLPResult& result, int iRow, int c, int i);
    void vAppendAccuracySummary(const CLayout& L, const CPhotAccuracyResult& result);
    void vAppendReproducibilitySummary(const CPhotReproducibilityResult& result);
    void vAppendAccuracyJPSummary(const CLayout& L, const CPhotAccuracyJPResult& result);
    int iAppendRow(const std::string& label);
    // Widens a column to take a summary text with room for two more digits; never narrows it.
    void vWidenColumn(int iColumn, const std::string& text);
    void vSetWidenedCell(int iRow, int iColumn, const std::string& text);

    int m_bMeasResult = 0;
    int m_bXYStageControl = 0;
};
