#include "SiteMessageRecorder.h"

SiteMessageRecorder::SiteMessageRecorder()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TavrolinWorkerMessageRecorder";
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
    m_hWnd = CreateWindowExW(0, windowClass.lpszClassName, L"Recorder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr, windowClass.hInstance, this);
}

SiteMessageRecorder::~SiteMessageRecorder()
{
    DestroyWindow(m_hWnd);
    MSG msg;  // drop what is still queued for the window that is gone
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
    }
}

LRESULT CALLBACK SiteMessageRecorder::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, (LONG_PTR)reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    auto* self = reinterpret_cast<SiteMessageRecorder*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self && message >= WM_USER && message < 0x8000)
        self->m_messages.push_back({message, wParam, lParam});
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

bool SiteMessageRecorder::WaitFor(UINT message, DWORD timeoutMs)
{
    return testpump::PumpUntil([&] { return Count(message) > 0; }, timeoutMs);
}

int SiteMessageRecorder::Count(UINT message) const
{
    int count = 0;
    for (const RecordedMessage& m : m_messages)
        count += m.message == message;
    return count;
}
