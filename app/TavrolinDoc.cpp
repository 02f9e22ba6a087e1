#include "app/TavrolinDoc.h"

IMPLEMENT_DYNCREATE(CTavrolinDoc, CDocument)

CTavrolinDoc::CTavrolinDoc() = default;

CTavrolinDoc::~CTavrolinDoc() = default;
