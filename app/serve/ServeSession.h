#pragma once
// What the web front end shows and works on, owned by the user-interface thread: the run's two
// documents with the four list views in a host view, a data properties sheet per document with
// its three pages, and the simulated instrument that measures into the documents. Every member
// function runs on the user-interface thread, holding both documents' locks, so that it never
// reads a document while the instrument's intake writes it.
//
// The browser works the views and pages through the framework's own messages: a dragged column
// divider is the header's begin-track notification followed by the new width, a right-click is
// the context-menu message, a pick in the sample list is the user's selection, a typed name is the
// edit's text change, and Apply and Cancel are the sheet's buttons. What changes on screen goes to
// the change feed, a row at a time while measuring.
#include <memory>
#include <mutex>
#include <string>

#include <nlohmann/json.hpp>

#include "host/QuantitationRun.h"
#include "serve/ChangeFeed.h"
#include "serve/SimulatedInstrument.h"
#include "serve/UiThread.h"

class CServeSession {
public:
    // The list views, by the names the browser uses.
    enum class EList { kStandards, kStandardCalib, kUnknowns, kUnknownCalib };
    enum class EDocument { kStandards, kUnknowns };
    enum class EPage { kInfo, kInstrument, kOption };

    // The run file must outlive the session; events go to feed, the instrument's work to ui.
    CServeSession(CRunFile& run, CChangeFeed& feed, CUiThread& ui);
    ~CServeSession();
    CServeSession(const CServeSession&) = delete;
    CServeSession& operator=(const CServeSession&) = delete;

    // Runs the run file as the batch program does (its report gives the calibration plot), then
    // measures it into the session's documents at once. False, with the problem, when the run
    // cannot be completed.
    bool bLoad(std::string& problem);

    // The run: title, source, counts, the state of the measurement, whether the plot is shown.
    nlohmann::json State() const;
    // Columns (header text, pixel width, alignment) and the rows from..from + count - 1 (label,
    // cells, item data) as the list control holds them.
    nlohmann::json ListContent(EList list, int iFrom, int iCount) const;
    // The list as aligned text and as CSV, for the host's copy menu.
    std::string sListText(EList list) const;
    std::string sListCsv(EList list) const;
    // The user starts dragging the divider of a column and lets go at iWidth pixels.
    bool bDragDivider(EList list, int iColumn, int iWidth);
    // A right-click at (x, y) in the list's client area; whether the host view was asked for its
    // menu (the list hands the click to the view it sits in).
    bool bContextMenu(EList list, int x, int y);
    std::string sPlotSvg() const { return m_bCalibrated ? m_sPlotSvg : std::string(); }

    // A page of the document's data properties sheet, laid out from its dialog template, with the
    // controls' current texts, entries and states.
    nlohmann::json Page(EDocument doc, EPage page);
    bool bSelectSample(EDocument doc, int iIndex);
    bool bEditText(EDocument doc, int iControl, const std::string& text);
    bool bApply(EDocument doc);
    void vCancel(EDocument doc);

    // Measures the run again from the first point at dPointsPerSecond.
    bool bMeasure(double dPointsPerSecond);
    void vPause();
    void vResume();
    void vStop();
    // Measures one point of a document again (vSetRemeasureMode), while no measurement runs.
    bool bRemeasure(EDocument doc, int iSamp, int iRep);

private:
    struct CWindows;
    struct CSheet;
    class CFeedView;
    class CHostView;

    // Held by the user-interface thread whenever it reads or changes the documents, so that the
    // instrument's intake never runs in the middle.
    std::scoped_lock<std::recursive_mutex, std::recursive_mutex> LockDocuments() const {
        return std::scoped_lock(m_pStandards->GetLock(), m_pUnknowns->GetLock());
    }
    void vPrepareDocuments();
    void vCreateWindows();
    std::vector<CMeasureStep> Steps();
    // What the host does once the instrument has handed over step i.
    void vTakeIn(size_t iStep);
    // The same for a point the instrument measured at iIntakeMs, under the documents' locks.
    void vTakeInMeasured(size_t iStep, long long iIntakeMs);
    void vCalibrate();
    void vFinish();
    void vPublishRow(EList list, int iPoint);
    void vPublishList(EList list) const;
    void vPublishState() const;
    CSheet& Sheet(EDocument doc);
    CUVPhotometryData& Document(EDocument doc) const;

    CRunFile& m_run;
    CChangeFeed& m_Feed;
    CUiThread& m_Ui;
    std::unique_ptr<CQuantitationRun> m_pBatch;
    std::string m_sPlotSvg;
    std::unique_ptr<CUVStandardData> m_pStandards;
    std::unique_ptr<CUVUnknownData> m_pUnknowns;
    std::unique_ptr<CWindows> m_pWindows;
    std::unique_ptr<CSheet> m_pSheets[2];
    CSimulatedInstrument m_Instrument;
    std::vector<CMeasureStep> m_vSteps;
    // The measurement's number: work the instrument queued for an earlier measurement, or for a
    // session that has ended (-1), is dropped.
    std::shared_ptr<int> m_pGeneration = std::make_shared<int>(0);
    size_t m_iStepsTaken = 0;
    long long m_iIntakeMs = 0;  // when the instrument handed over the point being taken in
    bool m_bCalibrated = false;
    bool m_bMeasuring = false;
};
