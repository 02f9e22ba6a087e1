#include "support/DisplayKeymap.h"
#include <gtest/gtest.h>
#include <sstream>
#include "support/SiteSimulation.h"
#include "support/TestPump.h"

namespace {

// setxkbmap's answer to -query, line "layout:     us".
std::string LayoutOf(const std::string& query)
{
    std::istringstream lines(query);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, 7, "layout:") != 0)
            continue;
        std::istringstream value(line.substr(7));
        std::string layout;
        value >> layout;
        return layout;
    }
    return std::string();
}

// Runs the shell command on the display; answers its output once it ended
// well (an empty text when it failed or never ended).
std::string RunOnDisplay(const std::string& command)
{
    CTestFolder folder("keymap");
    if (!folder.IsValid() ||
        !StartLinuxProgram("Z:\\bin\\sh -c \"" + command + " > " + folder.Unix("out") + " && echo ok > " +
                           folder.Unix("done") + "\""))
        return std::string();
    if (WaitForFile(folder.File("done"), testpump::kDeadline).empty())
        return std::string();
    std::string output;
    ReadWholeFile(folder.File("out"), output);
    return output.empty() ? std::string("\n") : output;
}

} // namespace

WORD CDisplayKeymap::KeyTyping(wchar_t ch)
{
    // Wine's VkKeyScanW misses the letters beyond ASCII: the keys are asked.
    HKL hLayout = ::GetKeyboardLayout(0);
    for (UINT nKey = 1; nKey < 0xFF; nKey++) {
        BYTE keyState[256] = {};
        WCHAR typed[4] = {};
        UINT nScan = ::MapVirtualKeyExW(nKey, MAPVK_VK_TO_VSC, hLayout);
        if (nScan != 0 && ::ToUnicodeEx(nKey, nScan, keyState, typed, 4, 4, hLayout) == 1 && typed[0] == ch)
            return static_cast<WORD>(nKey);
    }
    return 0;
}

CDisplayKeymap::CDisplayKeymap(const char* lpszLayout, wchar_t chOfLayout)
    : m_ch(chOfLayout)
{
    m_previous = LayoutOf(RunOnDisplay("setxkbmap -query"));
    if (m_previous.empty())
        return;
    // A display that has the layout already stays as it is.
    m_bSwitched = m_previous != lpszLayout;
    m_bActive = m_bSwitched ? Switch(lpszLayout, true) : Key() != 0;
}

CDisplayKeymap::~CDisplayKeymap()
{
    // Later tests press keys by the display's own layout.
    if (m_bSwitched && !Switch(m_previous, false))
        ADD_FAILURE() << "the display's keyboard layout did not come back to " << m_previous;
}

WORD CDisplayKeymap::Key() const
{
    return KeyTyping(m_ch);
}

bool CDisplayKeymap::Switch(const std::string& layout, bool bPresent)
{
    // Wine reads the keymap again on the display's notice of a new one, but
    // may read it before its own copy of the new map has come in, and keeps
    // the old keys then (measured: one switch back in several). The map
    // loaded once more brings a notice that finds the new one.
    for (int nLoad = 0; nLoad < 3; nLoad++) {
        if (RunOnDisplay("setxkbmap -layout " + layout).empty())
            return false;
        if (testpump::PumpUntil([&] { return (Key() != 0) == bPresent; }, 3000))
            return true;
    }
    return false;
}
