// Storing and loading the image manager's icons through property exchange
// and archives, and the icons of one id over the clipboard.
#include "toolkit/common/images/XTPImageManagerPersist.h"

#include <memory>
#include <vector>

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "framework/files/CMemFile.h"
#include "framework/files/CSharedFile.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/images/XTPImageManagerPersistBitmap.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

namespace {

const UINT g_cfToolBarImage = ::RegisterClipboardFormatW(L"Varnel ToolBar Image");
const UINT g_cfAlphaBitmap = ::RegisterClipboardFormatW(L"Alpha Bitmap Image");
LPCTSTR const ICONS_CHECKSUM = L"CXTPImageManagerIcons";

// A child section released when it goes out of scope.
struct XTP_SECTION_HOLDER
{
    CXTPPropExchange* pSection;
    explicit XTP_SECTION_HOLDER(CXTPPropExchange* p) : pSection(p) {}
    ~XTP_SECTION_HOLDER()
    {
        if (pSection)
            pSection->InternalRelease();
    }
    XTP_SECTION_HOLDER(const XTP_SECTION_HOLDER&) = delete;
    XTP_SECTION_HOLDER& operator=(const XTP_SECTION_HOLDER&) = delete;
};

typedef std::vector<CXTPImageManagerIcon*> CIconList;

// The record's fixed first value; anything else is not a record of icons.
void ExchangeCheckSum(CXTPPropExchange* pPX)
{
    CString strCheckSum = ICONS_CHECKSUM;
    XTPExchangeStringWithDefault(pPX, L"CheckSum", strCheckSum, ICONS_CHECKSUM);
    if (pPX->IsLoading() && strCheckSum != ICONS_CHECKSUM)
        AfxThrowArchiveException(CArchiveException::badClass);
}

// The icons of a set that are worth storing: all but the scaled copies.
CIconList StoredIconsOf(CXTPImageManagerIconSet* pIconSet)
{
    CIconList icons;
    POSITION pos = pIconSet ? pIconSet->GetIcons().GetStartPosition() : nullptr;
    while (pos) {
        UINT nWidth;
        CXTPImageManagerIcon* pIcon;
        pIconSet->GetIcons().GetNextAssoc(pos, nWidth, pIcon);
        if (!pIcon->IsScaled())
            icons.push_back(pIcon);
    }
    return icons;
}

// The "Icon" collection of the command icons record, storing.
void StoreIcons(CXTPPropExchange* pPX, const CIconList& icons)
{
    std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(pPX->GetEnumerator(L"Icon"));
    POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(icons.size()));
    for (size_t i = 0; pos && i < icons.size(); i++) {
        XTP_SECTION_HOLDER section(pEnumerator->GetNext(pos));
        long nIconWidth = static_cast<long>(icons[i]->GetWidth());
        XTPExchangeLong(section.pSection, L"Width", nIconWidth);
        XTPExchangeSerialize(section.pSection, L"Data", icons[i]);
    }
}

// A command icons record of the icons, handed to the open clipboard.
BOOL CopyIconsToClipboard(const CIconList& icons)
{
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store, 4096);
        CXTPPropExchangeArchive px(ar);
        ExchangeCheckSum(&px);
        StoreIcons(&px, icons);
        ar.Close();
    }
    UINT nLength = static_cast<UINT>(file.GetLength());
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nLength);
    if (!hGlobal)
        return FALSE;
    void* pData = ::GlobalLock(hGlobal);
    if (!pData) {
        ::GlobalFree(hGlobal);
        return FALSE;
    }
    file.SeekToBegin();
    file.Read(pData, nLength);
    ::GlobalUnlock(hGlobal);
    if (!::SetClipboardData(g_cfToolBarImage, hGlobal)) {
        ::GlobalFree(hGlobal);
        return FALSE;
    }
    return TRUE;
}

} // namespace

UINT XTPGetImageClipboardFormat()
{
    return g_cfToolBarImage;
}

UINT XTPGetAlphaBitmapClipboardFormat()
{
    return g_cfAlphaBitmap;
}

void CXTPImageManager::DoPropExchangeCommandIcons(UINT nCommand, CXTPPropExchange* pPX)
{
    if (nCommand > m_nNextCommand)
        m_nNextCommand = nCommand;

    ExchangeCheckSum(pPX);
    if (pPX->IsStoring()) {
        StoreIcons(pPX, StoredIconsOf(GetIconSet(nCommand)));
        return;
    }

    std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(pPX->GetEnumerator(L"Icon"));
    CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand);
    if (pIconSet) {
        pIconSet->RemoveAll();
    } else {
        pIconSet = new CXTPImageManagerIconSet(nCommand, this);
        m_mapImages.SetAt(nCommand, pIconSet);
    }
    POSITION pos = pEnumerator->GetPosition(0);
    while (pos) {
        XTP_SECTION_HOLDER section(pEnumerator->GetNext(pos));
        long nWidth = 0;
        XTPExchangeLong(section.pSection, L"Width", nWidth);
        if (nWidth <= 0 || nWidth > XTP_BITMAP_BLOCK_MAX_EXTENT)
            AfxThrowArchiveException(CArchiveException::genericException);
        CXTPImageManagerIcon* pIcon = pIconSet->GetOrCreateIcon(static_cast<UINT>(nWidth));
        XTPExchangeSerialize(section.pSection, L"Data", pIcon);
    }
    pIconSet->RefreshAll();
}

void CXTPImageManager::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX->IsLoading())
        RemoveAll();

    std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(pPX->GetEnumerator(L"IconSet"));
    if (pPX->IsStoring()) {
        POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(m_mapImages.GetCount()));
        POSITION posSet = m_mapImages.GetStartPosition();
        while (pos && posSet) {
            UINT nCommand;
            CXTPImageManagerIconSet* pIconSet;
            m_mapImages.GetNextAssoc(posSet, nCommand, pIconSet);
            XTP_SECTION_HOLDER section(pEnumerator->GetNext(pos));
            long nId = static_cast<long>(nCommand);
            XTPExchangeLong(section.pSection, L"Id", nId);
            DoPropExchangeCommandIcons(nCommand, section.pSection);
        }
        return;
    }

    POSITION pos = pEnumerator->GetPosition(0);
    while (pos) {
        XTP_SECTION_HOLDER section(pEnumerator->GetNext(pos));
        long nId = 0;
        XTPExchangeLong(section.pSection, L"Id", nId);
        DoPropExchangeCommandIcons(static_cast<UINT>(nId), section.pSection);
    }
}

void CXTPImageManager::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px);
}

void CXTPImageManager::SerializeCommandIcons(UINT nCommand, CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchangeCommandIcons(nCommand, &px);
}

BOOL CXTPImageManager::CopyToClipboard(UINT nCommand)
{
    return CopyIconsToClipboard(StoredIconsOf(GetIconSet(nCommand)));
}

BOOL CXTPImageManagerIcon::CopyToClipboard()
{
    // The whole set travels; an icon outside any set goes alone.
    return CopyIconsToClipboard(m_pIconSet ? StoredIconsOf(m_pIconSet) : CIconList{this});
}

UINT CXTPImageManager::PasteFromClipboard(IDataObject* pDataObject)
{
    if (!pDataObject)
        return 0;
    FORMATETC format = {static_cast<CLIPFORMAT>(g_cfToolBarImage), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(pDataObject->GetData(&format, &medium)))
        return 0;
    if (medium.tymed != TYMED_HGLOBAL || !medium.hGlobal) {
        ::ReleaseStgMedium(&medium);
        return 0;
    }

    m_nNextCommand++;
    UINT nCommand = m_nNextCommand;
    try {
        CSharedFile file(GMEM_MOVEABLE, 4096);
        file.SetHandle(medium.hGlobal, FALSE);
        CArchive ar(&file, CArchive::load, 4096);
        SerializeCommandIcons(nCommand, ar);
        ar.Close();
    } catch (CException* pException) {
        pException->Delete();
        // Refused data leaves no icons behind; the id stays used.
        CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand);
        if (pIconSet) {
            m_mapImages.RemoveKey(nCommand);
            delete pIconSet;
        }
        nCommand = 0;
    }
    ::ReleaseStgMedium(&medium);
    return nCommand;
}
