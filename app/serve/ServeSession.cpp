#include "serve/ServeSession.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <mutex>
#include <sstream>

#include "host/CalibrationPlotBuilder.h"
#include "host/ReportWriters.h"
#include "host/RunDocuments.h"
#include "pages/PhotDataInfoProp.h"
#include "pages/PhotDataInstProp.h"
#include "pages/PhotDataOptProp.h"
#include "views/StandardCalibList.h"
#include "views/UVStandardList.h"
#include "views/UVUnknownList.h"
#include "views/UnknownCalibList.h"

using namespace photoquant;
using nlohmann::json;

namespace {

// The host's window: the result lists as wide as a report needs, the calibration lists half as
// wide, beside the plot.
constexpr int kResultWidth = 1200;
constexpr int kCalibWidth = 480;
constexpr int kListHeight = 400;
constexpr int kPlotWidth = 600;
constexpr int kPlotHeight = 450;
// The info page names every sample on its own (the sample list is enabled).
constexpr int kNamePerSample = 0;
// The template's font is 8-point: its average character is 6 x 13 pixels, a dialog unit a quarter
// of its width and an eighth of its height.
constexpr int kCharWidth = 6;
constexpr int kCharHeight = 13;

// The page draws every list in 12-pixel DejaVu Sans Mono, whose characters all advance 0.602 em:
// the lists measure their texts as the page will draw them, so a header fits its column.
constexpr double kListCharWidth = 12 * 0.602;

void vMeasureTextsAsThePageDraws() {
    AfxSetTextMeasure([](const LOGFONT&, const std::string& text) {
        return static_cast<int>(
            std::ceil(static_cast<double>(iDisplayWidth(text)) * kListCharWidth));
    });
}

// When a point is measured, as the info page shows it: 2026-12-07 14:03:07.
std::string sLocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

const char* sListName(CServeSession::EList list) {
    switch (list) {
        case CServeSession::EList::kStandards:
            return "standards";
        case CServeSession::EList::kStandardCalib:
            return "standardCalib";
        case CServeSession::EList::kUnknowns:
            return "unknowns";
        case CServeSession::EList::kUnknownCalib:
            return "unknownCalib";
    }
    return "";
}

const char* sAlignment(int iFormat) {
    switch (iFormat & 3) {
        case LVCFMT_RIGHT:
            return "right";
        case LVCFMT_CENTER:
            return "center";
        default:
            return "left";
    }
}

json RowCells(const CListCtrl& list, int iRow) {
    json cells = json::array();
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        cells.push_back(list.GetItemText(iRow, c));
    }
    return cells;
}

json Row(const CListCtrl& list, int iRow) {
    return {{"row", iRow},
            {"data", static_cast<long long>(list.GetItemData(iRow))},
            {"cells", RowCells(list, iRow)}};
}

// A record of a dialog template: DIALOG or CONTROL, tab-separated fields.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

int iNumber(const std::string& text, int base = 10) {
    try {
        return static_cast<int>(std::stol(text, nullptr, base));
    } catch (const std::exception&) {
        return 0;
    }
}

// The columns and the rows iFrom..iFrom + iCount - 1 of a list, as the control holds them.
json ListRows(const CListCtrl& list, int iFrom, int iCount) {
    json columns = json::array();
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        columns.push_back({{"text", list.GetColumnText(c)},
                           {"width", list.GetColumnWidth(c)},
                           {"align", sAlignment(list.GetColumnFormat(c))}});
    }
    const int iRows = list.GetItemCount();
    const int iBegin = std::clamp(iFrom, 0, iRows);
    const int iEnd = std::clamp(iBegin + std::max(iCount, 0), iBegin, iRows);
    json rows = json::array();
    for (int i = iBegin; i < iEnd; ++i) {
        rows.push_back(Row(list, i));
    }
    return {{"columns", columns}, {"rowCount", iRows}, {"from", iBegin}, {"rows", rows}};
}

json ControlState(const CWnd& control, const std::string& kind) {
    std::string text;
    control.GetWindowText(text);
    json state = {{"text", text},
                  {"visible", control.IsWindowVisible() != FALSE},
                  {"enabled", control.IsWindowEnabled() != FALSE}};
    if (kind == "COMBOBOX") {
        const auto& combo = static_cast<const CComboBox&>(control);
        json entries = json::array();
        for (int i = 0; i < combo.GetCount(); ++i) {
            std::string entry;
            combo.GetLBText(i, entry);
            entries.push_back(entry);
        }
        state["entries"] = entries;
        state["selected"] = combo.GetCurSel();
    } else if (control.IsKindOf(RUNTIME_CLASS(CListCtrl))) {
        const auto& list = static_cast<const CListCtrl&>(control);
        state["list"] = ListRows(list, 0, list.GetItemCount());
    }
    return state;
}

}  // namespace

// Tells the browser when a document has updated its views: a view of its own, attached after the
// list views, so it hears of the update once they have rebuilt.
class CServeSession::CFeedView : public CView {
public:
    CFeedView(const CServeSession& session, EList first, EList second)
        : m_Session(session), m_First(first), m_Second(second) {}
    void OnUpdate(CView*, LPARAM, CObject*) override {
        m_Session.vPublishList(m_First);
        m_Session.vPublishList(m_Second);
    }

private:
    const CServeSession& m_Session;
    EList m_First;
    EList m_Second;
};

// The view the lists sit in: it shows the host's menu (copy as text or CSV) on a right-button-up,
// which the lists send it for a right-click.
class CServeSession::CHostView : public CView {
public:
    bool bTakeMenuRequest() { return std::exchange(m_bMenuAsked, false); }

protected:
    void OnRButtonUp(UINT, CPoint) override { m_bMenuAsked = true; }

private:
    bool m_bMenuAsked = false;
};

struct CServeSession::CWindows {
    CWindows(const CServeSession& session)
        : m_StandardsFeed(session, EList::kStandards, EList::kStandardCalib),
          m_UnknownsFeed(session, EList::kUnknowns, EList::kUnknownCalib) {}

    CFrameWnd m_Frame;
    CHostView m_Host;
    CUVStandardList m_StandardList;
    CStandardCalibList m_StandardCalibList;
    CUVUnknownList m_UnknownList;
    CUnknownCalibList m_UnknownCalibList;
    CFeedView m_StandardsFeed;
    CFeedView m_UnknownsFeed;

    CPhotometryListView& View(EList list) {
        switch (list) {
            case EList::kStandards:
                return m_StandardList;
            case EList::kStandardCalib:
                return m_StandardCalibList;
            case EList::kUnknowns:
                return m_UnknownList;
            case EList::kUnknownCalib:
                break;
        }
        return m_UnknownCalibList;
    }
};

// The data properties sheet of one document. Cancel throws it away: nothing of an edit reaches
// the document without Apply.
struct CServeSession::CSheet {
    CPropertySheet m_Sheet{"Data properties"};
    CPhotDataInfoProp m_Info;
    CPhotDataInstProp m_Instrument;
    CPhotDataOptProp m_Option;

    CPropertyPage& Page(EPage page) {
        switch (page) {
            case EPage::kInfo:
                return m_Info;
            case EPage::kInstrument:
                return m_Instrument;
            case EPage::kOption:
                break;
        }
        return m_Option;
    }
};

CServeSession::CServeSession(CRunFile& run, CChangeFeed& feed, CUiThread& ui)
    : m_run(run), m_Feed(feed), m_Ui(ui) {}

CServeSession::~CServeSession() {
    m_Instrument.vStop();
    *m_pGeneration = -1;
}

// ---- documents ---------------------------------------------------------------------------------

CUVPhotometryData& CServeSession::Document(EDocument doc) const {
    if (doc == EDocument::kStandards) {
        return *m_pStandards;
    }
    return *m_pUnknowns;
}

bool CServeSession::bLoad(std::string& problem) {
    vMeasureTextsAsThePageDraws();
    m_pBatch = std::make_unique<CQuantitationRun>(m_run);
    if (!m_pBatch->bExecute(problem)) {
        return false;
    }
    if (m_pBatch->bHasCurve()) {
        m_sPlotSvg = sSvgPlot(m_pBatch->Report().m_Plot, kPlotWidth, kPlotHeight);
    }
    vPrepareDocuments();
    m_vSteps = Steps();
    for (size_t i = 0; i < m_vSteps.size(); ++i) {
        const CMeasureStep& step = m_vSteps[i];
        if (step.m_pDoc != nullptr) {
            vFeedRunPoint(*step.m_pDoc, *step.m_pPoint, step.m_iPoint);
        }
        vTakeIn(i);
    }
    return true;
}

// Fresh documents: the standards named and given their concentrations, the unknowns named, no
// reading yet. The views stay and show the new documents, so a column the user has sized keeps its
// width from one measurement to the next.
void CServeSession::vPrepareDocuments() {
    m_pSheets[0].reset();
    m_pSheets[1].reset();
    m_pStandards.reset();
    m_pUnknowns.reset();
    m_pStandards = pNewRunStandards(m_run);
    m_pUnknowns = pNewRunUnknowns(m_run);
    vSetUpRunStandards(*m_pStandards, m_run);
    vSetUpRunUnknowns(*m_pUnknowns, m_run, false, 0.0);
    m_pStandards->vSetOperator(m_run.m_sOperator);
    m_pUnknowns->vSetOperator(m_run.m_sOperator);
    m_bCalibrated = false;
    m_iStepsTaken = 0;

    const bool bFirst = !m_pWindows;
    if (bFirst) {
        vCreateWindows();
    }
    CWindows& w = *m_pWindows;
    m_pStandards->AddView(&w.m_StandardList);
    m_pStandards->AddView(&w.m_StandardCalibList);
    m_pStandards->AddView(&w.m_StandardsFeed);
    m_pUnknowns->AddView(&w.m_UnknownList);
    m_pUnknowns->AddView(&w.m_UnknownCalibList);
    m_pUnknowns->AddView(&w.m_UnknownsFeed);
    CXYStageParam::vSetCalcSampunit(m_run.m_Settings.m_iStageCalcUnit);
    w.m_UnknownList.vSetMeasResult(m_pUnknowns->iGetNumCoord() > 0 ? 1 : 0);
    if (bFirst) {
        for (CPhotometryListView* pView :
             {static_cast<CPhotometryListView*>(&w.m_StandardList),
              static_cast<CPhotometryListView*>(&w.m_StandardCalibList),
              static_cast<CPhotometryListView*>(&w.m_UnknownList),
              static_cast<CPhotometryListView*>(&w.m_UnknownCalibList)}) {
            pView->OnInitialUpdate();
        }
    }
    m_pStandards->UpdateAllViews(nullptr);
    m_pUnknowns->UpdateAllViews(nullptr);
}

// The host's window with the four lists in the view they hand their right-clicks to.
void CServeSession::vCreateWindows() {
    m_pWindows = std::make_unique<CWindows>(*this);
    CWindows& w = *m_pWindows;
    w.m_Frame.Create("", m_run.m_sTitle, WS_POPUP,
                     CRect(0, 0, kResultWidth + kCalibWidth, 2 * kListHeight), nullptr, 0);
    w.m_Host.Create("", "", WS_CHILD | WS_VISIBLE,
                    CRect(0, 0, kResultWidth + kCalibWidth, 2 * kListHeight), &w.m_Frame, 1);
    const CRect places[] = {
        CRect(0, 0, kResultWidth, kListHeight),
        CRect(kResultWidth, 0, kResultWidth + kCalibWidth, kListHeight),
        CRect(0, kListHeight, kResultWidth, 2 * kListHeight),
        CRect(kResultWidth, kListHeight, kResultWidth + kCalibWidth, 2 * kListHeight)};
    const EList lists[] = {EList::kStandards, EList::kStandardCalib, EList::kUnknowns,
                           EList::kUnknownCalib};
    for (int i = 0; i < 4; ++i) {
        w.View(lists[i]).Create("", "", WS_CHILD | WS_VISIBLE | LVS_REPORT, places[i], &w.m_Host,
                                static_cast<UINT>(i + 2));
    }
}

// Every point of the standards, the calibration, every point of the unknowns, the end.
std::vector<CMeasureStep> CServeSession::Steps() {
    std::vector<CMeasureStep> steps;
    const int R = m_pStandards->iGetNumRep();
    for (size_t s = 0; s < m_run.m_vStandards.size(); ++s) {
        const auto& points = m_run.m_vStandards[s].m_vPoints;
        for (int r = 0; r < R; ++r) {
            steps.push_back(
                {m_pStandards.get(), &points[static_cast<size_t>(r)], static_cast<int>(s) * R + r});
        }
    }
    steps.push_back({});
    const int iPerSample =
        m_pUnknowns->iGetNumCoord() > 0 ? m_pUnknowns->iGetNumCoord() : m_pUnknowns->iGetNumRep();
    for (size_t s = 0; s < m_run.m_vUnknowns.size(); ++s) {
        const auto& points = m_run.m_vUnknowns[s].m_vPoints;
        for (int c = 0; c < iPerSample; ++c) {
            steps.push_back({m_pUnknowns.get(), &points[static_cast<size_t>(c)],
                             static_cast<int>(s) * iPerSample + c});
        }
    }
    steps.push_back({});
    return steps;
}

void CServeSession::vTakeIn(size_t iStep) {
    m_iStepsTaken = iStep + 1;
    const CMeasureStep& step = m_vSteps[iStep];
    if (step.m_pDoc != nullptr && step.m_pDoc->iGetNumCoord() == 0) {
        const int R = step.m_pDoc->iGetNumRep();
        step.m_pDoc->vSetDateTime(sLocalTimeNow(), step.m_iPoint / R, step.m_iPoint % R);
    }
    if (step.m_pDoc == nullptr) {
        if (iStep + 1 < m_vSteps.size()) {
            vCalibrate();
        } else {
            vFinish();
        }
        return;
    }
    if (step.m_pDoc == m_pStandards.get()) {
        const int R = m_pStandards->iGetNumRep();
        m_pWindows->m_StandardList.vUpdateDisplay(step.m_iPoint / R, step.m_iPoint % R);
        vPublishRow(EList::kStandards, step.m_iPoint);
        return;
    }
    CUVUnknownData& unknowns = *m_pUnknowns;
    if (unknowns.iGetNumCoord() > 0) {
        const int Q = unknowns.iGetNumCoord();
        m_pWindows->m_UnknownList.vUpdateXYDisplay(step.m_iPoint / Q, step.m_iPoint % Q);
    } else {
        const int R = unknowns.iGetNumRep();
        const int s = step.m_iPoint / R;
        if (m_pBatch->bUsesStandardsCalibration()) {
            unknowns.vCalcConc(s, step.m_iPoint % R, m_pStandards->pGetCalibList());
        }
        int nBlk = 0;
        for (int b = 0; b < s; ++b) {
            nBlk += unknowns.iGetSampleNo(b) == 0 ? 1 : 0;
        }
        m_pWindows->m_UnknownList.vUpdateDisplay(s, step.m_iPoint % R, 0, nBlk);
    }
    vPublishRow(EList::kUnknowns, step.m_iPoint);
}

// After the last standard: the curve, and the unknowns readied for it.
void CServeSession::vCalibrate() {
    if (!m_run.m_vStandards.empty() && m_run.m_Settings.m_iCalibType != kNoCalib) {
        m_pStandards->vCalibrate();
    }
    vSetUpRunUnknowns(*m_pUnknowns, m_run, m_pBatch->bUsesStandardsCalibration(),
                      m_pStandards->dGetBlkData());
    m_bCalibrated = true;
    m_pStandards->UpdateAllViews(nullptr);
    m_pUnknowns->UpdateAllViews(nullptr);
    vPublishState();
}

void CServeSession::vFinish() {
    if (m_pUnknowns->iGetNumCoord() > 0) {
        m_pUnknowns->vCalculateDistribution();
    }
    vAttachRunValidation(*m_pUnknowns, m_run);
    m_bMeasuring = false;
    m_pStandards->UpdateAllViews(nullptr);
    m_pUnknowns->UpdateAllViews(nullptr);
    vPublishState();
}

// ---- measuring ---------------------------------------------------------------------------------

bool CServeSession::bMeasure(double dPointsPerSecond) {
    if (!(dPointsPerSecond > 0.0)) {
        return false;
    }
    m_Instrument.vStop();
    const int iGeneration = ++*m_pGeneration;
    vPrepareDocuments();
    m_vSteps = Steps();
    m_bMeasuring = true;
    vPublishState();
    m_Instrument.vStart(
        m_vSteps, dPointsPerSecond,
        [this, pGeneration = m_pGeneration, iGeneration](size_t iStep, long long iIntakeMs) {
            m_Ui.bPost([this, pGeneration, iGeneration, iStep, iIntakeMs] {
                if (*pGeneration != iGeneration) {
                    return;
                }
                vTakeInMeasured(iStep, iIntakeMs);
            });
        });
    return true;
}

void CServeSession::vTakeInMeasured(size_t iStep, long long iIntakeMs) {
    {
        const auto lock = LockDocuments();
        m_iIntakeMs = iIntakeMs;
        vTakeIn(iStep);
    }
    m_Instrument.vTakenIn();
}

void CServeSession::vPause() {
    m_Instrument.vPause();
    vPublishState();
}

void CServeSession::vResume() {
    m_Instrument.vResume();
    vPublishState();
}

void CServeSession::vStop() {
    m_Instrument.vStop();
    m_bMeasuring = false;
    vPublishState();
}

bool CServeSession::bRemeasure(EDocument doc, int iSamp, int iRep) {
    const auto lock = LockDocuments();
    CUVPhotometryData& document = Document(doc);
    const int R = document.iGetNumRep();
    if (m_bMeasuring || document.iGetNumCoord() > 0 || iSamp < 0 ||
        iSamp >= document.iGetNumSamp() || iRep < 0 || iRep >= R) {
        return false;
    }
    const int iPoint = iSamp * R + iRep;
    const auto found = std::find_if(m_vSteps.begin(), m_vSteps.end(), [&](const CMeasureStep& s) {
        return s.m_pDoc == &document && s.m_iPoint == iPoint;
    });
    if (found == m_vSteps.end()) {
        return false;
    }
    document.vSetRemeasureMode(iSamp, iRep, 0);
    vFeedRunPoint(document, *found->m_pPoint, iPoint);
    document.vSetRemeasureMode(-1, -1, 0);
    // A standard measured again changes the curve, and with it every unknown.
    if (doc == EDocument::kStandards && m_bCalibrated) {
        m_pStandards->vCalibrate();
        if (m_pBatch->bUsesStandardsCalibration()) {
            m_pUnknowns->vSetConc0Data(m_pStandards->dGetBlkData());
            m_pUnknowns->vCalcConc(m_pStandards->pGetCalibList());
        }
        m_pUnknowns->UpdateAllViews(nullptr);
    } else if (doc == EDocument::kUnknowns && m_pBatch->bUsesStandardsCalibration()) {
        m_pUnknowns->vCalcConc(iSamp, iRep, m_pStandards->pGetCalibList());
    }
    document.UpdateAllViews(nullptr);
    return true;
}

// ---- what the browser sees ---------------------------------------------------------------------

void CServeSession::vPublishRow(EList list, int iPoint) {
    const CListCtrl& control = m_pWindows->View(list).GetListCtrl();
    for (int i = 0; i < control.GetItemCount(); ++i) {
        if (static_cast<int>(control.GetItemData(i)) == iPoint) {
            json event = Row(control, i);
            event["kind"] = "row";
            event["list"] = sListName(list);
            if (m_bMeasuring) {
                event["intakeMs"] = m_iIntakeMs;
            }
            m_Feed.vPublish(event.dump());
            return;
        }
    }
}

void CServeSession::vPublishList(EList list) const {
    m_Feed.vPublish(json{{"kind", "list"}, {"list", sListName(list)}}.dump());
}

void CServeSession::vPublishState() const {
    json event = State();
    event["kind"] = "state";
    m_Feed.vPublish(event.dump());
}

json CServeSession::State() const {
    return {
        {"title", m_run.m_sTitle},
        {"measurement", *m_pGeneration},
        {"source", m_run.m_sSource},
        {"measuring", m_bMeasuring},
        {"paused", m_bMeasuring && m_Instrument.bPaused()},
        {"calibrated", m_bCalibrated},
        {"stepsTaken", m_iStepsTaken},
        {"steps", m_vSteps.size()},
        {"standards",
         {{"samples", m_pStandards->iGetNumSamp()}, {"replicates", m_pStandards->iGetNumRep()}}},
        {"unknowns",
         {{"samples", m_pUnknowns->iGetNumSamp()}, {"replicates", m_pUnknowns->iGetNumRep()}}},
        {"plot", !sPlotSvg().empty()}};
}

json CServeSession::ListContent(EList list, int iFrom, int iCount) const {
    json content = ListRows(m_pWindows->View(list).GetListCtrl(), iFrom, iCount);
    content["list"] = sListName(list);
    return content;
}

std::string CServeSession::sListText(EList list) const {
    CReport report;
    report.m_vSections.emplace_back(
        "", std::vector<CTableBlock>{ListTable(m_pWindows->View(list).GetListCtrl())});
    return sTextReport(report);
}

std::string CServeSession::sListCsv(EList list) const {
    return sCsvTable(ListTable(m_pWindows->View(list).GetListCtrl()));
}

bool CServeSession::bDragDivider(EList list, int iColumn, int iWidth) {
    CListCtrl& control = m_pWindows->View(list).GetListCtrl();
    if (iColumn < 0 || iColumn >= control.GetColumnCount() || iWidth < 0) {
        return false;
    }
    NMHEADER header{{control.m_hWnd, 0, HDN_BEGINTRACK}, iColumn, 0, nullptr};
    m_pWindows->View(list).SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    control.SetColumnWidth(iColumn, iWidth);
    vPublishList(list);
    return true;
}

bool CServeSession::bContextMenu(EList list, int x, int y) {
    CPhotometryListView& view = m_pWindows->View(list);
    CPoint point(x, y);
    view.ClientToScreen(&point);
    view.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view.m_hWnd),
                     MAKELPARAM(point.x, point.y));
    return m_pWindows->m_Host.bTakeMenuRequest();
}

// ---- pages -------------------------------------------------------------------------------------

CServeSession::CSheet& CServeSession::Sheet(EDocument doc) {
    std::unique_ptr<CSheet>& pSheet = m_pSheets[doc == EDocument::kStandards ? 0 : 1];
    if (!pSheet) {
        pSheet = std::make_unique<CSheet>();
        CUVPhotometryData* pDoc = &Document(doc);
        pSheet->m_Info.vSetProp(pDoc, kNamePerSample);
        pSheet->m_Instrument.vSetProp(pDoc);
        pSheet->m_Option.vSetProp(pDoc);
        pSheet->m_Sheet.AddPage(&pSheet->m_Info);
        pSheet->m_Sheet.AddPage(&pSheet->m_Instrument);
        pSheet->m_Sheet.AddPage(&pSheet->m_Option);
        pSheet->m_Sheet.Create();
    }
    return *pSheet;
}

json CServeSession::Page(EDocument doc, EPage which) {
    const auto lock = LockDocuments();
    CSheet& sheet = Sheet(doc);
    CPropertyPage& page = sheet.Page(which);
    sheet.m_Sheet.SetActivePage(&page);
    static const UINT templates[] = {kInfoDialog, kInstrumentDialog, kOptionDialog};
    const std::string records =
        AfxLoadDialogTemplate(page.m_psp.hInstance, templates[static_cast<int>(which)]);
    json controls = json::array();
    json dialog;
    std::istringstream lines(records);
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string> f = Fields(line);
        const bool bDialog = f.size() >= 8 && f[0] == "DIALOG";
        const bool bControl = f.size() >= 8 && f[0] == "CONTROL";
        if (!bDialog && !bControl) {
            continue;
        }
        const size_t at = 3;  // x, y, width, height and style follow the id and the name
        json place = {{"x", iNumber(f[at]) * kCharWidth / 4},
                      {"y", iNumber(f[at + 1]) * kCharHeight / 8},
                      {"w", iNumber(f[at + 2]) * kCharWidth / 4},
                      {"h", iNumber(f[at + 3]) * kCharHeight / 8},
                      {"style", iNumber(f[at + 4], 16)}};
        if (bDialog) {
            dialog = place;
            dialog["caption"] = f[2];
            continue;
        }
        const int id = iNumber(f[1]);
        place["id"] = id;
        place["kind"] = f[2];
        place["text"] = f.size() > 8 ? f[8] : "";
        if (const CWnd* pControl = id >= 0 ? page.GetDlgItem(id) : nullptr) {
            place.update(ControlState(*pControl, f[2]));
        }
        controls.push_back(place);
    }
    dialog["controls"] = controls;
    dialog["page"] = which == EPage::kInfo         ? "info"
                     : which == EPage::kInstrument ? "instrument"
                                                   : "option";
    dialog["applyEnabled"] = sheet.m_Sheet.IsApplyEnabled() != FALSE;
    return dialog;
}

bool CServeSession::bSelectSample(EDocument doc, int iIndex) {
    const auto lock = LockDocuments();
    CSheet& sheet = Sheet(doc);
    sheet.m_Sheet.SetActivePage(&sheet.m_Info);
    auto* pCombo = static_cast<CComboBox*>(sheet.m_Info.GetDlgItem(kInfoSampleList));
    return pCombo != nullptr && pCombo->IsWindowEnabled() && pCombo->UserSelect(iIndex) != CB_ERR;
}

bool CServeSession::bEditText(EDocument doc, int iControl, const std::string& text) {
    const auto lock = LockDocuments();
    CSheet& sheet = Sheet(doc);
    sheet.m_Sheet.SetActivePage(&sheet.m_Info);
    if (iControl != kInfoNameBox && iControl != kInfoCommentBox) {
        return false;
    }
    CWnd* pEdit = sheet.m_Info.GetDlgItem(iControl);
    if (pEdit == nullptr) {
        return false;
    }
    pEdit->SetWindowText(text);
    return true;
}

bool CServeSession::bApply(EDocument doc) {
    const auto lock = LockDocuments();
    return Sheet(doc).m_Sheet.PressButton(PSBTN_APPLYNOW) != FALSE;
}

void CServeSession::vCancel(EDocument doc) {
    m_pSheets[doc == EDocument::kStandards ? 0 : 1].reset();
}
