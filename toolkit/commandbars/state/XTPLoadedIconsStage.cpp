#include "toolkit/commandbars/state/XTPLoadedIconsStage.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

namespace {

// The icons of one command, through an archive in memory.
void CopyCommandIcons(CXTPImageManager* pFrom, CXTPImageManager* pTo, UINT nCommand)
{
    if (pFrom->GetIconSet(nCommand) == nullptr)
        return;
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store);
        pFrom->SerializeCommandIcons(nCommand, ar);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    pTo->SerializeCommandIcons(nCommand, ar);
    ar.Close();
}

} // namespace

CXTPLoadedIconsStage::CXTPLoadedIconsStage(CXTPPropExchange* pPX, CXTPCommandBars* pCommandBars)
    : m_pPX(pPX)
    , m_dwOldData(pPX->m_dwData)
    , m_pParam(XTP_COMMANDBARS_PROPEXCHANGE_PARAM::From(pPX))
    , m_pOuterIcons(nullptr)
    , m_pIcons(new CXTPImageManager)
    , m_pCommandBars(pCommandBars)
{
    if (!m_pParam) {
        m_ownParam.pCommandBars = pCommandBars;
        m_pParam = &m_ownParam;
        m_pPX->m_dwData = reinterpret_cast<DWORD_PTR>(m_pParam);
    }
    m_pOuterIcons = m_pParam->pLoadedIcons;
    m_arrOuterIds.Copy(m_pParam->arrLoadedIconIds);
    m_pParam->pLoadedIcons = m_pIcons;
    m_pParam->arrLoadedIconIds.RemoveAll();
}

CXTPLoadedIconsStage::~CXTPLoadedIconsStage()
{
    m_pParam->pLoadedIcons = m_pOuterIcons;
    m_pParam->arrLoadedIconIds.Copy(m_arrOuterIds);
    m_pPX->m_dwData = m_dwOldData;
    m_pIcons->InternalRelease();
}

void CXTPLoadedIconsStage::HandOn()
{
    CXTPImageManager* pTo = m_pOuterIcons ? m_pOuterIcons : m_pCommandBars->GetImageManager();
    for (INT_PTR i = 0; i < m_pParam->arrLoadedIconIds.GetSize(); i++) {
        const UINT nCommand = m_pParam->arrLoadedIconIds[i];
        CopyCommandIcons(m_pIcons, pTo, nCommand);
        if (m_pOuterIcons)
            m_arrOuterIds.Add(nCommand);
    }
    m_pParam->arrLoadedIconIds.RemoveAll();
}
