#include "app/TeamFlags.h"

#include "framework/text/CaseFolding.h"

namespace {

// In flag-strip order; this numbering is the strip's own, not the engine's
// team ids.
const LPCTSTR kTeamSpellings[32][3] = {
    {L"Germany", L"Deutschland"},
    {L"USA"},
    {L"Costa Rica"},
    {L"Polen", L"Poland"},
    {L"Ecuador", L"Equador"},
    {L"England"},
    {L"Paraguay"},
    {L"Trinidad und Tobago", L"Trinidad and Tobago"},
    {L"Schweden", L"Sweden"},
    {L"Argentinien", L"Argentina"},
    {L"Elfenbeinküste", L"Cote Divoire"},
    {L"Serbien und Montenegro", L"Serbia and Montenegro"},
    {L"Niederlande", L"Netherlands"},
    {L"Mexiko", L"Mexico"},
    {L"Iran"},
    {L"Angola"},
    {L"Portugal"},
    {L"Italien", L"Italy"},
    {L"Ghana"},
    {L"Tschechische Republik", L"Czech Republic"},
    {L"Brasilien", L"Brazil"},
    {L"Kroatien", L"Croatia"},
    {L"Australien", L"Australia"},
    {L"Japan"},
    {L"Frankreich", L"France"},
    {L"Schweiz", L"Switzerland"},
    {L"Korea Republik", L"Korea Republic", L"Republic of Korea"},
    {L"Togo"},
    {L"Spanien", L"Spain"},
    {L"Ukraine"},
    {L"Tunesien", L"Tunisia"},
    {L"Saudiarabien", L"Saudi Arabia"},
};

} // namespace

int GetTeamFlagNumber(LPCTSTR name)
{
    if (name == nullptr || *name == 0)
        return -1;
    for (int team = 0; team < 32; ++team)
        for (LPCTSTR spelling : kTeamSpellings[team])
            if (spelling != nullptr && AfxCompareNoCase(name, spelling) == 0)
                return team + 1;
    return -1;
}
