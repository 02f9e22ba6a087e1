// The application's document templates, in the order they were added; it
// owns and deletes them.
#pragma once
#include "framework/collections/CPtrList.h"
#include "framework/core/CObject.h"

class CDocTemplate;

class CDocManager : public CObject
{
public:
    CDocManager();
    ~CDocManager() override;

    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    INT_PTR GetDocTemplateCount() const { return m_templateList.GetCount(); }
    // A new document of the first template (none: nothing).
    void OnFileNew();

private:
    CPtrList m_templateList;
};
