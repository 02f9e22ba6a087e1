// Files on disk, in memory and in global memory.
#include <gtest/gtest.h>
#include "tests/framework/Printers.h"
#include "framework/files/CArchive.h"
#include "framework/files/CFile.h"
#include "framework/files/CMemFile.h"
#include "framework/files/CSharedFile.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
#include <string>

namespace
{
// The cause of the file exception thrown by the call, or -1 for none.
int FileCause(const std::function<void()>& call)
{
    try {
        call();
    } catch (CFileException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// A scratch file in the test's working folder, removed afterwards.
class ScratchFile
{
public:
    explicit ScratchFile(LPCWSTR name)
        : m_name(name)
    {
        DeleteFileW(name);
    }
    ~ScratchFile() { DeleteFileW(m_name); }
    LPCWSTR name() const { return m_name; }

private:
    LPCWSTR m_name;
};
} // namespace

TEST(File, WritesReadsSeeksAndResizes)
{
    ScratchFile scratch(L"file-test.bin");
    CFile file;
    ASSERT_TRUE(file.Open(scratch.name(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(file.GetFilePath()[1], L':'); // a full path

    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 4u); // only what is there
    EXPECT_STREQ(buffer, "6789");
    EXPECT_EQ(file.Read(buffer, 8), 0u);

    file.SetLength(3);
    EXPECT_EQ(file.GetLength(), 3u);
    file.Close();

    // Without modeNoTruncate an existing file is emptied; with it, kept.
    CFile keep(scratch.name(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_EQ(keep.GetLength(), 3u);
    keep.Close();
    CFile truncate(scratch.name(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(truncate.GetLength(), 0u);
}

TEST(File, FailuresNameTheCauseAndTheFile)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(L"no-such-file.bin", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(error.m_strFileName, CString(L"no-such-file.bin"));

    try {
        CFile missing(L"no-such-dir\\x.bin", CFile::modeRead);
        ADD_FAILURE() << "opened a file in a missing folder";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::badPath);
        WCHAR message[200];
        EXPECT_TRUE(e->GetErrorMessage(message, 200));
        EXPECT_NE(std::wcsstr(message, L"x.bin"), nullptr);
        e->Delete();
    }

    // An exclusive opening keeps a second one out.
    ScratchFile scratch(L"file-exclusive.bin");
    CFile first(scratch.name(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CFile second;
    EXPECT_FALSE(second.Open(scratch.name(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);

    // Writing to a file opened for reading fails with an exception.
    first.Close();
    CFile readOnly(scratch.name(), CFile::modeRead);
    EXPECT_EQ(FileCause([&] { readOnly.Write("x", 1); }), CFileException::accessDenied);

    EXPECT_EQ(CFileException::OsErrorToException(ERROR_DISK_FULL), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(12345), CFileException::genericException);
}

TEST(File, ArchiveRoundTripThroughADiskFile)
{
    ScratchFile scratch(L"file-archive.bin");
    {
        CFile file(scratch.name(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString(L"Spielplan") << 64L;
    }
    CFile file(scratch.name(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CString text;
    LONG count = 0;
    ar >> text >> count;
    EXPECT_EQ(text, CString(L"Spielplan"));
    EXPECT_EQ(count, 64);
}

TEST(MemFile, GrowsInStepsAndFillsGapsWithZeros)
{
    CMemFile file(16);
    file.Write("abc", 3);
    EXPECT_EQ(file.GetLength(), 3u);
    file.Seek(10, CFile::begin);
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 11u);
    file.SeekToBegin();
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, 16), 11u);
    EXPECT_EQ(std::memcmp(buffer, "abc\0\0\0\0\0\0\0z", 11), 0);

    std::string large(1000, 'q');
    file.Write(large.data(), 1000);
    EXPECT_EQ(file.GetLength(), 1011u);
    EXPECT_EQ(file.Read(buffer, 1), 0u);

    file.SetLength(2);
    EXPECT_EQ(file.GetPosition(), 2u);
    EXPECT_EQ(FileCause([&] { file.Seek(-3, CFile::current); }), CFileException::badSeek);

    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* block = file.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::memcmp(block, "ab", length), 0);
    std::free(block);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(MemFile, AttachedBuffersStayTheCallers)
{
    BYTE content[4] = {1, 2, 3, 4};
    CMemFile fixed(content, 4);
    EXPECT_EQ(fixed.GetLength(), 4u);
    BYTE read[4] = {};
    EXPECT_EQ(fixed.Read(read, 4), 4u);
    EXPECT_EQ(read[3], 4);
    // A fixed buffer cannot grow.
    EXPECT_EQ(FileCause([&] { fixed.Write("x", 1); }), CFileException::diskFull);
    fixed.Close();
    EXPECT_EQ(content[0], 1);

    // With growth the file starts empty in the buffer and moves to a block
    // of its own when it outgrows it; the caller's buffer is not freed.
    BYTE small[4] = {};
    CMemFile growing;
    growing.Attach(small, 4, 8);
    EXPECT_EQ(growing.GetLength(), 0u);
    growing.Write("wxyz", 4);
    EXPECT_EQ(std::memcmp(small, "wxyz", 4), 0);
    growing.Write("!", 1);
    BYTE* block = growing.Detach();
    ASSERT_NE(block, small);
    EXPECT_EQ(std::memcmp(block, "wxyz!", 5), 0);
    std::free(block);
}

TEST(SharedFile, DetachesToAGlobalBlockOfItsLength)
{
    CSharedFile file(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, 4096);
    file.Write("Datensatz", 9);
    HGLOBAL block = file.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 9u);
    const char* data = static_cast<const char*>(GlobalLock(block));
    EXPECT_EQ(std::memcmp(data, "Datensatz", 9), 0);
    GlobalUnlock(block);
    EXPECT_EQ(file.GetLength(), 0u);

    // Laid over the block again (as over clipboard data): the whole block
    // is the content, and closing leaves the block to its owner.
    CSharedFile reader(GMEM_MOVEABLE, 4096);
    reader.SetHandle(block, FALSE);
    EXPECT_EQ(reader.GetLength(), 9u);
    char text[10] = {};
    EXPECT_EQ(reader.Read(text, 9), 9u);
    EXPECT_STREQ(text, "Datensatz");
    reader.Close();
    EXPECT_EQ(GlobalSize(block), 9u);
    EXPECT_EQ(GlobalFree(block), nullptr);
    reader.Write("wieder", 6); // growth is back after Close
    EXPECT_EQ(reader.GetLength(), 6u);

    CSharedFile empty;
    EXPECT_EQ(empty.Detach(), nullptr);
}

TEST(SharedFile, ForeignBlocksGrowInPlaceWhenAllowed)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    CSharedFile file;
    file.SetHandle(block, TRUE);
    file.SeekToEnd();
    file.Write("more than four", 14);
    EXPECT_EQ(file.GetLength(), 18u);
    EXPECT_EQ(file.Detach(), block); // still the caller's handle
    EXPECT_GE(GlobalSize(block), 18u);
    GlobalFree(block);
}

TEST(SharedFile, RecordsTravelOverTheClipboard)
{
    const UINT format = RegisterClipboardFormatW(L"Tavrolin_Test_Records");
    CSharedFile file(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, 4096);
    {
        CArchive ar(&file, CArchive::store);
        ar << CString(L"Deutschland") << CString(L"Costa Rica") << 4L;
    }
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(format, file.Detach()), nullptr);
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL data = GetClipboardData(format);
    ASSERT_NE(data, nullptr);
    CSharedFile reader(GMEM_MOVEABLE, 4096);
    reader.SetHandle(data, FALSE);
    CArchive ar(&reader, CArchive::load);
    CString first, second;
    LONG goals = 0;
    ar >> first >> second >> goals;
    ar.Close();
    reader.Close();
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(first, CString(L"Deutschland"));
    EXPECT_EQ(second, CString(L"Costa Rica"));
    EXPECT_EQ(goals, 4);
}
