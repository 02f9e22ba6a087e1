#include "engine/TeamTable.h"

namespace {

const LPCWSTR g_teamNames[TEAM_COUNT] = {
    L"Angola", L"Argentinien", L"Australien", L"Brasilien",
    L"Costa Rica", L"Deutschland", L"Ecuador", L"Elfenbeink\u00FCste",
    L"England", L"Frankreich", L"Ghana", L"Iran",
    L"Italien", L"Japan", L"Korea Republik", L"Kroatien",
    L"Mexiko", L"Niederlande", L"Paraguay", L"Polen",
    L"Portugal", L"Saudiarabien", L"Schweden", L"Schweiz",
    L"Serbien und Montenegro", L"Spanien", L"Togo", L"Trinidad und Tobago",
    L"Tschechische Republik", L"Tunesien", L"Ukraine", L"USA",
};

} // namespace

CString GetTeamNameById(int nTeam)
{
    if (nTeam < 1 || nTeam > TEAM_COUNT)
        return CString();
    return CString(g_teamNames[nTeam - 1]);
}
