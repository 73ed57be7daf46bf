#pragma once
// A document of the framework: it has a title and the views that show it, and tells every view but
// the sender about a change through UpdateAllViews.
#include <string>
#include <vector>

#include "contracts/framework/CmdTarget.h"
#include "contracts/framework/WinTypes.h"

class CView;

class PQ_EXPORT CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title) { m_strTitle = title; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    int GetViewCount() const { return static_cast<int>(m_viewList.size()); }
    CView* GetView(int index) const;
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

private:
    std::string m_strTitle;
    std::vector<CView*> m_viewList;
};
