// The report control's clipboard and drag and drop of records: plain text
// and the records themselves, serialised with their classes.
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportDestroyGuard.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "framework/collections/CStringArray.h"
#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "framework/files/CFileException.h"
#include "framework/files/CSharedFile.h"
#include "framework/ole/COleDataObject.h"
#include "framework/ole/COleDataSource.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemVariant.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

namespace {

const LPCTSTR kRecordsFormat = L"XTPReport_CF_Records";
const long kRecordsVersion = 1;
const UINT kSharedAllocFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
const int kArchiveBuffer = 4096;
const DWORD kMoveKeyState = MK_CONTROL;
// Item indexes of real reports are small; pasted text beyond this is refused.
const int kMaxPastedItemIndex = 255;

// Splits at every separator; a separator at the end gives an empty last field.
void Split(const CString& strText, LPCTSTR lpszSeparator, CStringArray& arFields)
{
    const int nSeparator = lstrlen(lpszSeparator);
    int nStart = 0;
    for (;;)
    {
        const int nFound = strText.Find(lpszSeparator, nStart);
        if (nFound < 0)
        {
            arFields.Add(strText.Mid(nStart));
            return;
        }
        arFields.Add(strText.Mid(nStart, nFound - nStart));
        nStart = nFound + nSeparator;
    }
}

// Opens the clipboard and closes it on every path out.
class CClipboardScope
{
public:
    explicit CClipboardScope(HWND hWnd) : m_bOpen(::OpenClipboard(hWnd)) {}
    ~CClipboardScope()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};

} // namespace

CLIPFORMAT CXTPReportControl::GetRecordsFormat()
{
    return (CLIPFORMAT)::RegisterClipboardFormat(kRecordsFormat);
}

CLIPFORMAT CXTPReportControl::EnableDragDrop(LPCTSTR lpszClipboardFormat, DWORD dwFlags)
{
    m_cfReport = lpszClipboardFormat && *lpszClipboardFormat && dwFlags
                     ? (CLIPFORMAT)::RegisterClipboardFormat(lpszClipboardFormat)
                     : 0;
    m_dwDragDropFlags = m_cfReport ? dwFlags : 0;
    return m_cfReport;
}

BOOL CXTPReportControl::CanCopy()
{
    return m_pSelectedRows->GetCount() > 0;
}

BOOL CXTPReportControl::CanCut()
{
    return CanCopy();
}

BOOL CXTPReportControl::CanPaste()
{
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_UNICODETEXT) ||
           ::IsClipboardFormatAvailable(GetRecordsFormat());
}

BOOL CXTPReportControl::OnBeforeCopyToText(CXTPReportRecord* pRecord, CStringArray& arStrings)
{
    XTP_REPORTNOTIFY_RECORDTEXT nm = {};
    nm.ppRecord = &pRecord;
    nm.pStrings = &arStrings;
    return SendNotifyMessage(RN_BEFORECOPYTEXT, &nm.hdr) != 0;
}

BOOL CXTPReportControl::OnBeforePasteFromText(CStringArray& arStrings, CXTPReportRecord** ppRecord)
{
    XTP_REPORTNOTIFY_RECORDTEXT nm = {};
    nm.ppRecord = ppRecord;
    nm.pStrings = &arStrings;
    return SendNotifyMessage(RN_BEFOREPASTETEXT, &nm.hdr) != 0;
}

BOOL CXTPReportControl::OnBeforePasteRecord(CXTPReportRecord** ppRecord)
{
    XTP_REPORTNOTIFY_RECORDTEXT nm = {};
    nm.ppRecord = ppRecord;
    return SendNotifyMessage(RN_BEFOREPASTE, &nm.hdr) != 0;
}

void CXTPReportControl::GetSelectedRowsText(CString& strText)
{
    strText.Empty();
    POSITION pos = m_pSelectedRows->GetFirstSelectedRowPosition();
    while (pos)
    {
        CXTPReportRow* pRow = m_pSelectedRows->GetNextSelectedRow(pos);
        CXTPReportRecord* pRecord = pRow ? pRow->GetRecord() : nullptr;
        if (!pRecord)
            continue;
        CStringArray arValues;
        for (int i = 0; i < m_pColumns->GetVisibleColumnsCount(); ++i)
        {
            CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
            if (CXTPReportRecordItem* pItem = pRecord->GetItem(pColumn))
                arValues.Add(pItem->GetCaption(pColumn));
        }
        if (OnBeforeCopyToText(pRecord, arValues))
            continue;
        for (INT_PTR i = 0; i < arValues.GetSize(); ++i)
        {
            if (i > 0)
                strText += L"\t";
            strText += arValues[i];
        }
        strText += L"\r\n";
    }
}

CXTPReportRecord* CXTPReportControl::CreateRecordFromText(const CString& strLine)
{
    if (m_pColumns->GetCount() == 0)
        return nullptr;
    CStringArray arValues;
    Split(strLine, L"\t", arValues);
    CXTPReportRecord* pRecord = nullptr;
    if (OnBeforePasteFromText(arValues, &pRecord) || pRecord)
        return pRecord;

    // One item per column, at the column's item index; the slots between
    // stay empty. An absurd index would cost that many slots per line.
    std::vector<bool> used;
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        const int nItemIndex = m_pColumns->GetAt(i)->GetItemIndex();
        if (nItemIndex > kMaxPastedItemIndex)
            return nullptr;
        if (nItemIndex < 0)
            continue;
        if ((int)used.size() <= nItemIndex)
            used.resize((size_t)nItemIndex + 1, false);
        used[(size_t)nItemIndex] = true;
    }
    pRecord = new CXTPReportRecord();
    for (const bool bUsed : used)
        pRecord->AddItem(bUsed ? new CXTPReportRecordItemVariant(COleVariant(L"")) : nullptr);
    for (int i = 0; i < m_pColumns->GetVisibleColumnsCount(); ++i)
    {
        CXTPReportRecordItemVariant* pItem =
            DYNAMIC_DOWNCAST(CXTPReportRecordItemVariant, pRecord->GetItem(m_pColumns->GetVisibleAt(i)));
        if (pItem)
            pItem->SetValue(COleVariant(i < arValues.GetSize() ? (LPCTSTR)arValues[i] : L""));
    }
    return pRecord;
}

BOOL CXTPReportControl::ParseRecordsFromText(const CString& strText, CXTPReportRecords* pRecords)
{
    CStringArray arLines;
    Split(strText, L"\r\n", arLines);
    for (INT_PTR i = 0; i < arLines.GetSize(); ++i)
    {
        if (arLines[i].IsEmpty())
            continue;
        if (CXTPReportRecord* pRecord = CreateRecordFromText(arLines[i]))
            pRecords->Add(pRecord);
    }
    return TRUE;
}

BOOL CXTPReportControl::WriteSelectedRecords(CXTPPropExchange* pPX)
{
    if (!pPX || !pPX->IsStoring())
        return FALSE;
    CXTPReportRecords* pSelected = new CXTPReportRecords(TRUE);
    GetSelectedRecords(pSelected);
    long nVersion = kRecordsVersion;
    XTPExchangeLong(pPX, L"Version", nVersion);
    long nLocale = CXTPPropExchange::m_nLocale;
    XTPExchangeLong(pPX, L"Locale", nLocale);
    CXTPPropExchange* pSection = pPX->GetSection(L"ReportRecords");
    try
    {
        pSelected->DoPropExchange(pSection);
    }
    catch (...)
    {
        pSection->InternalRelease();
        pSelected->InternalRelease();
        throw;
    }
    pSection->InternalRelease();
    pSelected->InternalRelease();
    return TRUE;
}

BOOL CXTPReportControl::ReadRecords(CXTPPropExchange* pPX, CXTPReportRecords* pRecords)
{
    if (!pRecords)
        return FALSE;
    pRecords->RemoveAll();
    if (!pPX || !pPX->IsLoading())
        return FALSE;
    long nVersion = 0;
    XTPExchangeLong(pPX, L"Version", nVersion);
    if (nVersion != kRecordsVersion)
        return FALSE;
    // Read and left alone: the data must not change this process's locale.
    long nLocale = 0;
    XTPExchangeLong(pPX, L"Locale", nLocale);
    CXTPPropExchange* pSection = pPX->GetSection(L"ReportRecords");
    try
    {
        pRecords->DoPropExchange(pSection);
    }
    catch (...)
    {
        pSection->InternalRelease();
        throw;
    }
    pSection->InternalRelease();
    return TRUE;
}

HGLOBAL CXTPReportControl::WriteSelectedRecordsToGlobal()
{
    const UINT nGrow = (UINT)((m_pSelectedRows->GetCount() * 1500) / 4096 * 4096 + 4096);
    CSharedFile file(kSharedAllocFlags, nGrow);
    try
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        CXTPPropExchangeArchive px(ar);
        const BOOL bWritten = WriteSelectedRecords(&px);
        ar.Close();
        if (!bWritten)
            return nullptr;
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return nullptr;
    }
    catch (CFileException* e)
    {
        e->Delete();
        return nullptr;
    }
    return file.Detach();
}

BOOL CXTPReportControl::ReadRecordsFromGlobal(HGLOBAL hData, CXTPReportRecords* pRecords)
{
    if (!hData)
        return FALSE;
    // A copy: the file may grow a block that belongs to the clipboard.
    HGLOBAL hCopy = AfxCopyGlobal(hData);
    if (!hCopy)
        return FALSE;
    BOOL bRead = FALSE;
    {
        CSharedFile file(kSharedAllocFlags);
        file.SetHandle(hCopy, FALSE);
        try
        {
            CArchive ar(&file, CArchive::load, kArchiveBuffer);
            CXTPPropExchangeArchive px(ar);
            bRead = ReadRecords(&px, pRecords);
        }
        catch (CException* e)
        {
            // Data from anywhere: a bad class or a short block drops it all.
            e->Delete();
            bRead = FALSE;
        }
    }
    ::GlobalFree(hCopy);
    if (!bRead)
        pRecords->RemoveAll();
    return bRead;
}

BOOL CXTPReportControl::Copy()
{
    HGLOBAL hRecords = WriteSelectedRecordsToGlobal();
    CString strText;
    GetSelectedRowsText(strText);

    CClipboardScope clipboard(m_hWnd);
    if (!clipboard.IsOpen() || !::EmptyClipboard())
    {
        if (hRecords)
            ::GlobalFree(hRecords);
        return FALSE;
    }
    const SIZE_T nBytes = (SIZE_T)(strText.GetLength() + 1) * sizeof(WCHAR);
    if (HGLOBAL hText = ::GlobalAlloc(kSharedAllocFlags, nBytes))
    {
        if (void* pText = ::GlobalLock(hText))
        {
            memcpy(pText, (LPCWSTR)strText, nBytes);
            ::GlobalUnlock(hText);
            if (!::SetClipboardData(CF_UNICODETEXT, hText))
                ::GlobalFree(hText);
        }
        else
        {
            ::GlobalFree(hText);
        }
    }
    if (hRecords && !::SetClipboardData(GetRecordsFormat(), hRecords))
        ::GlobalFree(hRecords);
    return TRUE;
}

void CXTPReportControl::Cut()
{
    // Records are deleted only when they reached the clipboard.
    if (!Copy() || m_pSelectedRows->GetCount() == 0 || m_pRecords->GetCount() == 0)
        return;
    CXTPReportRecords* pSelected = new CXTPReportRecords(TRUE);
    GetSelectedRecords(pSelected);
    for (int i = 0; i < pSelected->GetCount(); ++i)
        pSelected->GetAt(i)->Delete();
    pSelected->InternalRelease();
    Populate();
}

void CXTPReportControl::Paste()
{
    CXTPReportRecords* pPasted = new CXTPReportRecords();
    {
        CClipboardScope clipboard(m_hWnd);
        if (clipboard.IsOpen())
        {
            const CLIPFORMAT cfRecords = GetRecordsFormat();
            HGLOBAL hRecords = ::IsClipboardFormatAvailable(cfRecords) ? ::GetClipboardData(cfRecords) : nullptr;
            if (hRecords)
            {
                ReadRecordsFromGlobal(hRecords, pPasted);
            }
            else if (HGLOBAL hText = ::IsClipboardFormatAvailable(CF_UNICODETEXT) ? ::GetClipboardData(CF_UNICODETEXT)
                                                                                  : nullptr)
            {
                const SIZE_T nChars = ::GlobalSize(hText) / sizeof(WCHAR);
                LPCWSTR pText = (LPCWSTR)::GlobalLock(hText);
                if (pText)
                {
                    // Bounded by the block: the text need not end in a zero.
                    const CString strText(pText, (int)wcsnlen(pText, nChars));
                    ::GlobalUnlock(hText);
                    if (!ParseRecordsFromText(strText, pPasted))
                        pPasted->RemoveAll();
                }
            }
        }
    }

    BeginUpdate();
    CXTPReportRecords* pAdded = new CXTPReportRecords(TRUE);
    for (int i = 0; i < pPasted->GetCount(); ++i)
    {
        CXTPReportRecord* pRecord = pPasted->GetAt(i);
        CXTPReportRecord* pOffered = pRecord;
        if (OnBeforePasteRecord(&pOffered) || !pOffered)
            continue;
        pOffered->InternalAddRef();
        m_pRecords->Add(pOffered);
        pAdded->Add(pOffered);
    }
    if (pAdded->GetCount() > 0)
    {
        Populate();
        SelectRecords(pAdded);
    }
    EndUpdate();
    pAdded->InternalRelease();
    pPasted->InternalRelease();
}

void CXTPReportControl::SelectRecords(CXTPReportRecords* pRecords)
{
    // One walk over the rows: pastes and drops bring many records.
    std::unordered_map<CXTPReportRecord*, CXTPReportRow*> rowOf;
    rowOf.reserve((size_t)pRecords->GetCount());
    for (int i = 0; i < pRecords->GetCount(); ++i)
        rowOf.emplace(pRecords->GetAt(i), nullptr);
    m_pSelectedRows->Clear();
    for (int i = 0; i < m_pRows->GetCount(); ++i)
    {
        CXTPReportRow* pRow = m_pRows->GetAt(i);
        auto found = pRow->GetRecord() ? rowOf.find(pRow->GetRecord()) : rowOf.end();
        if (found == rowOf.end() || found->second)
            continue;
        found->second = pRow;
        m_pSelectedRows->Add(pRow);
    }
    CXTPReportRow* pLast = nullptr;
    for (int i = pRecords->GetCount() - 1; i >= 0 && !pLast; --i)
        pLast = rowOf[pRecords->GetAt(i)];
    if (pLast)
        SetFocusedRow(pLast, TRUE);
    RedrawControl();
}

void CXTPReportControl::OnBeginDrag(CPoint point)
{
    CXTPReportDestroyGuard guard(this);
    if (SendMessageToParent(nullptr, nullptr, nullptr, LVN_BEGINDRAG, &point) != 0 || guard.IsDestroyed())
        return;
    if (!m_cfReport || m_pSelectedRows->GetCount() == 0 ||
        !(m_dwDragDropFlags & (xtpReportAllowDragCopy | xtpReportAllowDragMove)))
        return;

    // Selected group rows bring their shown rows along.
    for (int i = m_pRows->GetCount() - 1; i >= 0; --i)
    {
        CXTPReportRow* pRow = m_pRows->GetAt(i);
        if (!pRow->IsGroupRow() || !pRow->IsSelected())
            continue;
        pRow->SetExpanded(TRUE);
        pRow->SelectChildren();
    }
    HGLOBAL hData = WriteSelectedRecordsToGlobal();
    if (!hData)
        return;
    CXTPReportRecords* pDragged = new CXTPReportRecords(TRUE);
    GetSelectedRecords(pDragged);
    XTP_REPORTNOTIFY_DRAGDROP nm = {};
    nm.pRecords = pDragged;
    const LRESULT lReply = SendNotifyMessage(RN_BEGINDRAG, &nm.hdr);
    if (lReply == -1 || guard.IsDestroyed())
    {
        if (!guard.IsDestroyed())
            pDragged->InternalRelease();
        ::GlobalFree(hData);
        return;
    }

    COleDataSource* pSource = new COleDataSource();
    pSource->CacheGlobalData(m_cfReport, hData);
    DWORD dwEffects = 0;
    if (m_dwDragDropFlags & xtpReportAllowDragCopy)
        dwEffects |= DROPEFFECT_COPY;
    if (m_dwDragDropFlags & xtpReportAllowDragMove)
        dwEffects |= DROPEFFECT_MOVE;
    m_bDragSource = TRUE;
    const DROPEFFECT dropEffect = pSource->DoDragDrop(dwEffects);
    pSource->InternalRelease();
    if (guard.IsDestroyed())
        return;
    m_bDragSource = FALSE;

    // A move elsewhere takes the records away from here and leaves them on
    // the clipboard too; the drop already holds them, so they go even when
    // the clipboard cannot be had.
    if (dropEffect == DROPEFFECT_MOVE && (m_dwDragDropFlags & xtpReportAllowDragMove))
    {
        Copy();
        for (int i = 0; i < pDragged->GetCount(); ++i)
            pDragged->GetAt(i)->Delete();
        Populate();
    }
    pDragged->InternalRelease();
}

DROPEFFECT CXTPReportControl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_cfReport)
        return DROPEFFECT_NONE;
    DROPEFFECT effect = (dwKeyState & kMoveKeyState) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    if (!(m_dwDragDropFlags & xtpReportAllowDrop) || !pDataObject || !pDataObject->IsDataAvailable(m_cfReport))
        effect = DROPEFFECT_NONE;
    int nDropPos = -1;
    if (effect != DROPEFFECT_NONE && m_pColumns->GetSortOrder()->GetCount() == 0 &&
        m_pColumns->GetGroupsOrder()->GetCount() == 0)
    {
        CXTPReportRow* pRow = HitTest(point);
        if (pRow && pRow->GetRecord())
        {
            const CRect rcRow = pRow->GetRect();
            nDropPos = point.y < rcRow.CenterPoint().y ? rcRow.top - 1 : rcRow.bottom - 1;
        }
    }
    if (nDropPos != m_nDropPos)
    {
        m_nDropPos = nDropPos;
        RedrawControl();
    }
    return effect;
}

BOOL CXTPReportControl::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (!m_cfReport || !pDataObject || !pDataObject->IsDataAvailable(m_cfReport) ||
        !(m_dwDragDropFlags & xtpReportAllowDrop))
        return FALSE;
    CXTPReportDestroyGuard guard(this);
    BeginUpdate();
    const BOOL bMarker = m_nDropPos != -1;
    m_nDropPos = -1;
    int nPosition = m_pRecords->GetCount();
    CXTPReportRow* pRow = HitTest(point);
    if (pRow && pRow->GetRecord())
        nPosition = pRow->GetRecord()->GetIndex() + (point.y > pRow->GetRect().CenterPoint().y ? 1 : 0);

    BOOL bResult = FALSE;
    if (m_bDragSource && dropEffect == DROPEFFECT_MOVE)
    {
        if (bMarker)
        {
            CXTPReportRecords* pMoved = new CXTPReportRecords(TRUE);
            GetSelectedRecords(pMoved);
            XTP_REPORTNOTIFY_DRAGDROP nm = {};
            nm.pRecords = pMoved;
            if (SendNotifyMessage(RN_DROP, &nm.hdr) != -1 && !guard.IsDestroyed())
            {
                m_pRecords->Move(nPosition, pMoved);
                Populate();
                SelectRecords(pMoved);
            }
            if (!guard.IsDestroyed())
                pMoved->InternalRelease();
        }
        // The drag source must not delete what only moved.
        bResult = FALSE;
    }
    else
    {
        CXTPReportRecords* pDropped = new CXTPReportRecords();
        // Data that yields no records is no drop: the source keeps its own.
        const BOOL bRead = ReadRecordsFromGlobal(pDataObject->GetGlobalData(m_cfReport), pDropped) &&
                           pDropped->GetCount() > 0;
        XTP_REPORTNOTIFY_DRAGDROP nm = {};
        nm.pRecords = pDropped;
        if (bRead && SendNotifyMessage(RN_DROP, &nm.hdr) != -1 && !guard.IsDestroyed())
        {
            for (int i = 0; i < pDropped->GetCount(); ++i)
            {
                CXTPReportRecord* pRecord = pDropped->GetAt(i);
                pRecord->InternalAddRef();
                m_pRecords->InsertAt(nPosition + i, pRecord);
            }
            Populate();
            SelectRecords(pDropped);
            bResult = TRUE;
        }
        pDropped->InternalRelease();
    }
    if (!guard.IsDestroyed())
        EndUpdate();
    return bResult;
}

DROPEFFECT CXTPReportControl::CReportDropTarget::OnDragEnter(CWnd* /*pWnd*/, COleDataObject* pDataObject,
                                                              DWORD dwKeyState, CPoint point)
{
    return m_pControl->OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CXTPReportControl::CReportDropTarget::OnDragOver(CWnd* /*pWnd*/, COleDataObject* pDataObject,
                                                             DWORD dwKeyState, CPoint point)
{
    return m_pControl->OnDragOver(pDataObject, dwKeyState, point);
}

void CXTPReportControl::CReportDropTarget::OnDragLeave(CWnd* /*pWnd*/)
{
    m_pControl->OnDragOver(nullptr, 0, CPoint(-1, -1));
}

BOOL CXTPReportControl::CReportDropTarget::OnDrop(CWnd* /*pWnd*/, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                                                  CPoint point)
{
    return m_pControl->OnDrop(pDataObject, dropEffect, point);
}
