#include "app/records/MatchListLoader.h"

#include <memory>

#include "app/records/MatchRecord.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/records/XTPReportRecords.h"

namespace {

struct ReleaseSection
{
    void operator()(CXTPPropExchange* pSection) const { pSection->InternalRelease(); }
};

struct ReleaseRecord
{
    void operator()(CXTPReportRecord* pRecord) const { pRecord->InternalRelease(); }
};

} // namespace

void LoadMatchRecords(CXTPPropExchange* pPX, CXTPReportRecords* pRecords)
{
    std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(pPX->GetEnumerator(L"Record"));
    pRecords->RemoveAll();
    try {
        for (POSITION pos = pEnum->GetPosition(); pos != nullptr;) {
            std::unique_ptr<CXTPPropExchange, ReleaseSection> pSection(pEnum->GetNext(pos));
            CObject* pObject = nullptr;
            if (!pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CMatchRecord)))
                AfxThrowArchiveException(CArchiveException::badClass);
            std::unique_ptr<CXTPReportRecord, ReleaseRecord> pRecord(static_cast<CMatchRecord*>(pObject));
            pRecord->DoPropExchange(pSection.get());
            pRecords->Add(pRecord.release());
        }
    } catch (CException*) {
        // No partial list: the positions of the records are the match index.
        pRecords->RemoveAll();
        throw;
    }
}
