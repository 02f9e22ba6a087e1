#include "app/frame/PopupItem.h"

IMPLEMENT_DYNCREATE(CPopupItem, CXTPPopupItem)

CPopupItem::~CPopupItem() = default;
