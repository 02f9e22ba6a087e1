// Paths and queries of the ticket site's pages, behind "http://" and the
// ticket site's host (engine/SiteHosts.h).
#pragma once

// The resale list: every match with its category icons.
constexpr const wchar_t RESALE_LIST_PATH[] =
    L"/cgi-bin/ds_wmd?fun=pksbyeventreihe&doc=ds_einzel1&id=WMD_NO_SESSION&affiliate=wmd&key=0";

// The list of the team-specific series of all teams.
constexpr const wchar_t TST_LIST_PATH[] =
    L"/cgi-bin/ds_wmd?fun=eventsbykat&doc=ds_tst1&id=WMD_NO_SESSION&affiliate=wmd&key=wm_tst";

// A match's resale offers; %d is the match number.
constexpr const wchar_t RESALE_DETAIL_PATH_FORMAT[] =
    L"/cgi-bin/ds_wmd?affiliate=wmd&id=WMD_NO_SESSION&fun=list_resale_packages&doc=rs_einzel1&key=%d&target=1";

// Team detail pages are linked relative to this folder.
constexpr const wchar_t TICKET_CGI_FOLDER[] = L"/cgi-bin/";
