// Shared by the placeholders that expand into generated entries each time
// their bar lays out (window list, recent files, OLE verbs, workspace).
#pragma once
#include "framework/text/CString.h"

class CXTPControl;

// The caption of a numbered entry: ampersands of the text doubled, the
// number as mnemonic up to 10 ("1&0"), plain above, none for 0.
CString XTPFormatNumberedCaption(const CString& strText, int nNumber);

// Removes the run of temporary controls right after the placeholder that
// the test accepts (the entries an earlier layout generated).
void XTPRemoveGeneratedEntries(CXTPControl* pPlaceholder, BOOL (*pfnIsEntry)(CXTPControl*, void*), void* pContext);

// Adds a temporary, manually updated button `nOffset` places
// past the placeholder; the caller sets caption and state.
CXTPControl* XTPAddGeneratedEntry(CXTPControl* pPlaceholder, int nOffset, int nId);
