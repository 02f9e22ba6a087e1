#pragma once

#include "framework/text/CString.h"
#include "engine/db/OfferCategoryCode.h"

#include <oleauto.h>

class CMainFrame;

// The texts and the current-offer rows of the history dump come from the
// application's main frame. The frame registers its own functions with the
// database manager; until it does, the stand-ins below are used.

// Fills strText with the game text of a row. nTeamSpecific is non-zero (2)
// when the game id is a team id.
typedef void (*PFNFORMATGAMETEXT)(int nGameId, CMainFrame* pFrame, CString& strText, int nTeamSpecific);
// The text of a category code.
typedef CString (*PFNFORMATCATEGORYCODE)(OfferCategoryCode code);
// Adds a row that is still on offer to the frame's list of current offers.
typedef void (*PFNADDOFFERRECORD)(OfferCategoryCode code, CMainFrame* pFrame, DATE dtStart, int nGameId);

// Without a frame there are no game texts: the text is empty.
void DefaultFormatGameText(int nGameId, CMainFrame* pFrame, CString& strText, int nTeamSpecific);
// "%s%d %s%s": "TST ", the category number, "s.b. " and "R" as the code says.
CString DefaultFormatCategoryCode(OfferCategoryCode code);
// Without a frame there is no list of current offers: nothing to do.
void DefaultAddOfferRecord(OfferCategoryCode code, CMainFrame* pFrame, DATE dtStart, int nGameId);
