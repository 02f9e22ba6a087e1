// A hyperlink of an item's caption: a range of characters, and where it
// was last drawn (clicks and the hand cursor hit that rectangle).
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"

class CXTPPropExchange;

class CXTPReportHyperlink : public CCmdTarget
{
public:
    CXTPReportHyperlink(int nHyperTextBegin, int nHyperTextLen);

    void DoPropExchange(CXTPPropExchange* pPX);

    CRect m_rcHyperSpot;
    int m_nHyperTextBegin;
    int m_nHyperTextLen;
};

// Owns its hyperlinks.
class CXTPReportHyperlinks : public CCmdTarget
{
public:
    CXTPReportHyperlinks() = default;
    ~CXTPReportHyperlinks() override;

    int GetSize() const { return (int)m_arrLinks.GetSize(); }
    CXTPReportHyperlink* GetAt(int nIndex) const;
    // Takes over the caller's reference.
    int Add(CXTPReportHyperlink* pHyperlink);
    void RemoveAll();

    void DoPropExchange(CXTPPropExchange* pPX);

private:
    CArray<CXTPReportHyperlink*, CXTPReportHyperlink*> m_arrLinks;
};
