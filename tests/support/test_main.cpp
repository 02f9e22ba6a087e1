// Entry point of every test program (the build links with -municode).
#include <gtest/gtest.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    // A crash must fail the run, not wait for someone to close a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
