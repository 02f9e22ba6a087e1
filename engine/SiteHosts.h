// Host names of the web sites the engine talks to. They lie in a reserved
// domain that no real server answers: the pages come from the simulated
// site (tools/ticketsite), reached as the HTTP proxy. Pages are fetched from
// "http://" followed by the host and the page's path; keep every host here.
#pragma once

// The ticket sale site: list pages and detail pages of the resale and of
// the team-specific series.
constexpr const wchar_t TICKET_SITE_HOST[] = L"karten.weltturnier2006.test";

// The site of the online statistics ("/Statistics.aspx").
constexpr const wchar_t STATISTIC_SITE_HOST[] = L"statistik.kartenwecker.test";

// The maker's download server; it holds the info file.
constexpr const wchar_t DOWNLOAD_SERVER_HOST[] = L"download.brannoch.test";
