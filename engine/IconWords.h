// The words inside the ticket pages' tags that tell an offer's state.
#pragma once
#include "framework/Framework.h"
#include "engine/MatchStatus.h"

// TICKETS_LITTLE for a tag containing "tickets_ltl" (tested first, a tag may
// name both), TICKETS_YES for "tickets_yes", else TICKETS_NONE; any case.
int GetIconState(LPCWSTR pszImageTag);

// Whether a resale icon says that no resale offer exists ("resale_no_").
BOOL IsNoResaleIcon(LPCWSTR pszImageTag);

// Whether the text contains the word, ASCII letters compared ignoring case.
// The words are plain ASCII; the platform's locale-aware search takes tens
// of microseconds per tag under Wine, which a scan of hundreds of tags feels.
BOOL ContainsWordNoCase(LPCWSTR pszText, LPCWSTR pszWord);
