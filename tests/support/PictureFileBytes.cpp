#include "support/PictureFileBytes.h"

namespace testpics {

namespace {

void PutWord(std::vector<BYTE>& bytes, size_t at, WORD value)
{
    bytes[at] = static_cast<BYTE>(value);
    bytes[at + 1] = static_cast<BYTE>(value >> 8);
}

void PutDword(std::vector<BYTE>& bytes, size_t at, DWORD value)
{
    PutWord(bytes, at, static_cast<WORD>(value));
    PutWord(bytes, at + 2, static_cast<WORD>(value >> 16));
}

// Where the parts of the sound GIF start.
const size_t kScreenWidthAt = 6;
const size_t kControlSizeAt = 27;
const size_t kImageAt = 33; // the image separator
const size_t kCodeSizeAt = kImageAt + 10;

} // namespace

std::vector<BYTE> SoundGifBytes()
{
    std::vector<BYTE> file = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, 0x91, 0, 0,
                              0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,
                              0x21, 0xF9, 4, 0x01, 0, 0, 3, 0,
                              0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0};
    // Three-bit codes, a clear code before every two pixels so that the
    // code width never grows.
    std::vector<BYTE> packed;
    DWORD bits = 0;
    int nBits = 0;
    auto putCode = [&](int code) {
        bits |= static_cast<DWORD>(code) << nBits;
        for (nBits += 3; nBits >= 8; nBits -= 8, bits >>= 8)
            packed.push_back(static_cast<BYTE>(bits));
    };
    for (int i = 0; i < 16; i++) {
        if (i % 2 == 0)
            putCode(4);
        putCode(i / 4);
    }
    putCode(5);
    if (nBits > 0)
        packed.push_back(static_cast<BYTE>(bits));
    file.push_back(2);
    file.push_back(static_cast<BYTE>(packed.size()));
    file.insert(file.end(), packed.begin(), packed.end());
    file.push_back(0);
    file.push_back(0x3B);
    return file;
}

std::vector<PictureCase> DamagedGifs()
{
    const std::vector<BYTE> good = SoundGifBytes();
    auto with = [&](size_t at, std::initializer_list<BYTE> values) {
        std::vector<BYTE> bytes = good;
        for (BYTE value : values)
            bytes[at++] = value;
        return bytes;
    };
    auto cut = [&](size_t n) { return std::vector<BYTE>(good.begin(), good.begin() + n); };
    return {
        {"screen of no width", with(kScreenWidthAt, {0, 0})},
        {"image wider than the screen", with(kImageAt + 5, {0xFF, 0x7F})},
        {"image placed past the screen", with(kImageAt + 1, {3, 0})},
        {"image of no height", with(kImageAt + 7, {0, 0})},
        {"global palette past the end", with(10, {0x97})},
        {"graphic control of two bytes", with(kControlSizeAt, {2})},
        {"code size of 12 bits", with(kCodeSizeAt, {12})},
        {"data block past the end", with(kCodeSizeAt + 1, {0xFE})},
        {"no trailer", cut(good.size() - 1)},
        {"cut inside the image data", cut(kCodeSizeAt + 4)},
        {"cut after the header", cut(13)},
        {"unknown block", with(kImageAt, {0x2D})},
        {"no image", [&] {
             std::vector<BYTE> bytes = cut(kImageAt);
             bytes.push_back(0x3B);
             return bytes;
         }()},
    };
}

std::vector<BYTE> SoundBitmapBytes(int cx, int cy)
{
    // Rows of pixels are padded to whole 4-byte words.
    const int nStride = (cx * 3 + 3) / 4 * 4;
    std::vector<BYTE> file(14 + 40 + static_cast<size_t>(nStride) * cy, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutDword(file, 2, static_cast<DWORD>(file.size()));
    PutDword(file, 10, 14 + 40);
    PutDword(file, 14, 40);
    PutDword(file, 18, cx);
    PutDword(file, 22, cy);
    PutWord(file, 26, 1);
    PutWord(file, 28, 24);
    // Blue everywhere; the padding stays 0.
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            file[54 + static_cast<size_t>(y) * nStride + static_cast<size_t>(x) * 3] = 0xFF;
    return file;
}

std::vector<PictureCase> DamagedBitmaps()
{
    const std::vector<BYTE> good = SoundBitmapBytes();
    auto with = [&](size_t at, DWORD value) {
        std::vector<BYTE> bytes = good;
        PutDword(bytes, at, value);
        return bytes;
    };
    return {
        {"pixels cut off", std::vector<BYTE>(good.begin(), good.begin() + 54 + 16 * 3 * 5)},
        {"taller than its pixels", with(22, 1000)},
        {"pixels offset past the end", with(10, 0x7FFFFFF0)},
        {"colour table past the end", [&] {
             std::vector<BYTE> bytes = with(28, 8);
             PutDword(bytes, 46, 256);
             return std::vector<BYTE>(bytes.begin(), bytes.begin() + 54 + 64);
         }()},
        {"header running into the pixels", with(14, 124)},
        {"cut in the header", std::vector<BYTE>(good.begin(), good.begin() + 30)},
    };
}

std::wstring WritePictureFile(const wchar_t* name, const std::vector<BYTE>& bytes)
{
    wchar_t szPath[MAX_PATH];
    ::GetFullPathNameW(name, MAX_PATH, szPath, nullptr);
    HANDLE hFile = ::CreateFileW(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return std::wstring();
    DWORD nWritten = 0;
    ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr);
    ::CloseHandle(hFile);
    return szPath;
}

} // namespace testpics
