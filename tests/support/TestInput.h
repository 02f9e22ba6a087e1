// Real input through SendInput: hooks and drag loops see nothing else.
// Each call sends; pump (PumpUntil) for it to arrive.
#pragma once
#include <windows.h>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <vector>

namespace testinput {

// A key pressed and released (extended keys: arrows, Insert, Delete, ...).
void SendKey(WORD vk);
void SendKeyDown(WORD vk);
void SendKeyUp(WORD vk);
// Modifiers held while the last key is pressed: SendChord({VK_CONTROL, 'A'}).
void SendChord(std::initializer_list<WORD> keys);
// A character typed as Unicode input.
void SendChar(wchar_t ch);
// The same with Shift held, as a user types a capital.
void SendShiftedChar(wchar_t ch);
// Each key pressed and released in turn.
void SendKeys(std::initializer_list<WORD> keys);

// The cursor moved to a screen point (absolute, so hooks see a move).
void MoveMouseTo(POINT ptScreen);
// Moves the cursor and pumps until it is there (testpump::kDeadline at
// most); answers whether it got there.
bool MoveMouseAndWait(POINT ptScreen);
// Button down/up at a screen point: MOUSEEVENTF_LEFTDOWN, ..._RIGHTUP, ...
void SendMouse(DWORD flags, POINT ptScreen);
// Move, press and release the left (or right) button at a screen point.
void ClickAt(POINT ptScreen, bool bRight = false);
// A click at a screen point that a window of the target's must receive:
// for clicks into a window just shown or moved over another one. Wine
// keeps its window order in step with the window X reports under the
// pointer, and a report that comes late on a busy machine can lift an owner
// over a dialog it owns for a moment; a click sent then lands on the owner.
// So the pointer goes there first (X reports afresh) and the click waits
// until the target's window is what a click there reaches; answers whether
// it was (and clicks anyway when it never was, for the caller to see).
bool ClickOn(HWND hTarget, POINT ptScreen, bool bRight = false);
// Move and two left clicks at a screen point, within the double-click time.
void DoubleClickAt(POINT ptScreen);
// The left button pressed at one point, the mouse moved to the other in
// steps, released: queued at once, so that the drag loop the press starts
// reads it all.
void QueueDrag(POINT ptFrom, POINT ptTo, int nSteps = 4);
// A drag through the modal loop that the press starts: the left button
// goes down at `from` (with `foreground` brought forward first); the moves
// (a Shift tap after each, so that none merges with the next) and the
// release follow from a timer once the loop runs, since input goes to the
// window holding the capture when it is sent. `afterMove(i)` runs after
// move i. Pumps until all was sent and handled; answers whether it was.
bool DragInLoop(HWND foreground, POINT from, const std::vector<POINT>& path,
                const std::function<void(std::size_t)>& afterMove = {});
// As DragInLoop, but the release never reaches the program: with the
// capture let go for that moment, the mouse moves on to `elsewhere` (a
// point where no window of the program lies) and the button goes up there,
// so the release goes to another program's window. Some 300 ms later, still
// from a timer, the left button clicks at `later`, in case the loop still
// waits. Pumps until all was sent and handled; answers whether it was.
bool DragInLoopLosingTheRelease(HWND foreground, POINT from, const std::vector<POINT>& path, POINT elsewhere,
                                POINT later);
// A point of a window's client area on screen.
POINT ClientToScreenPoint(HWND hWnd, int x, int y);

} // namespace testinput
