// A stream over a loading archive: positions as the reader sees them (not
// where the archive's buffer has read ahead to), the size, and a picture
// loaded through OLE from it.
#include <gtest/gtest.h>
#include <windows.h>
#include <olectl.h>

#include <vector>

#include "framework/Framework.h"

namespace
{
// A 2 x 3 pixel, 24-bit bitmap file.
std::vector<BYTE> BitmapFile()
{
    const int width = 2, height = 3, stride = 8;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + stride * height;
    std::vector<BYTE> bytes(file.bfSize, 0x7F);
    memcpy(bytes.data(), &file, sizeof(file));
    memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    return bytes;
}
} // namespace

TEST(ArchiveStream, SeekAndStatSeeWhatTheReaderReadAndOleLoadsAPicture)
{
    std::vector<BYTE> bytes = BitmapFile();
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive archive(&file, CArchive::load, 4096);
    CArchiveStream stream(&archive);

    char magic[2] = {};
    ULONG read = 0;
    ASSERT_EQ(stream.Read(magic, 2, &read), S_OK);
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(magic[0], 'B');
    ULARGE_INTEGER position = {};
    LARGE_INTEGER none = {};
    ASSERT_EQ(stream.Seek(none, STREAM_SEEK_CUR, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 2u);
    STATSTG stat;
    ASSERT_EQ(stream.Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, bytes.size());
    // Reading past the end reports what there was.
    LARGE_INTEGER nearEnd;
    nearEnd.QuadPart = -3;
    stream.Seek(nearEnd, STREAM_SEEK_END, &position);
    char tail[8];
    EXPECT_EQ(stream.Read(tail, 8, &read), S_FALSE);
    EXPECT_EQ(read, 3u);

    ASSERT_EQ(stream.Seek(none, STREAM_SEEK_SET, nullptr), S_OK);
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    IPicture* picture = nullptr;
    ASSERT_EQ(::OleLoadPicture(&stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)), S_OK);
    OLE_XSIZE_HIMETRIC width = 0;
    picture->get_Width(&width);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(::MulDiv(width, ::GetDeviceCaps(screen, LOGPIXELSX), 2540), 2);
    ::ReleaseDC(nullptr, screen);
    picture->Release();
    // The stream lives on the stack: releases never take it below its own count.
    EXPECT_EQ(stream.AddRef(), 2u);
    EXPECT_EQ(stream.Release(), 1u);
    EXPECT_EQ(stream.Release(), 1u);
    ::OleUninitialize();
}
