#include "support/Screenshot.h"

#include <cstdint>
#include <cstdio>

namespace testshot {

COLORREF Image::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    const unsigned char* p = &bgra[(static_cast<size_t>(y) * width + x) * 4];
    return RGB(p[2], p[1], p[0]);
}

Image CaptureDC(HDC dc, const RECT& rect)
{
    Image image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    if (image.width <= 0 || image.height <= 0)
        return Image();

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;   // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        return Image();
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, image.width, image.height, dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const unsigned char* src = static_cast<const unsigned char*>(bits);
    image.bgra.assign(src, src + static_cast<size_t>(image.width) * image.height * 4);
    for (size_t i = 3; i < image.bgra.size(); i += 4)
        image.bgra[i] = 255;   // GDI leaves the alpha byte undefined
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return image;
}

Image CaptureScreen(const RECT& rect)
{
    HDC hdc = ::GetDC(nullptr);
    Image shot = CaptureDC(hdc, rect);
    ::ReleaseDC(nullptr, hdc);
    return shot;
}

Image CaptureWindow(HWND wnd)
{
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RECT client;
    GetClientRect(wnd, &client);
    HDC dc = GetDC(wnd);
    Image image = CaptureDC(dc, client);
    ReleaseDC(wnd, dc);
    return image;
}

std::wstring ShotFolder()
{
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableW(L"TAVROLIN_BUILD_DIR", path, MAX_PATH);
    std::wstring folder;
    if (n > 0 && n < MAX_PATH) {
        // A Unix path from the test environment: reach it through Wine's Z: drive.
        folder = path;
        if (!folder.empty() && folder[0] == L'/')
            folder = L"Z:" + folder;
        for (wchar_t& c : folder)
            if (c == L'/')
                c = L'\\';
    } else {
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        folder = path;
        folder = folder.substr(0, folder.find_last_of(L"\\/"));
    }
    folder += L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

namespace {

uint32_t Crc32(const unsigned char* data, size_t size, uint32_t crc = 0)
{
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBig32(std::vector<unsigned char>& out, uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v >> 24));
    out.push_back(static_cast<unsigned char>(v >> 16));
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v));
}

void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    PutBig32(out, static_cast<uint32_t>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc32(&out[start], out.size() - start));
}

} // namespace

std::vector<unsigned char> EncodePng(const Image& image)
{
    // Raw scanlines, each led by filter byte 0, RGBA.
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<size_t>(image.height) * (image.width * 4 + 1));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        const unsigned char* row = &image.bgra[static_cast<size_t>(y) * image.width * 4];
        for (int x = 0; x < image.width; ++x) {
            raw.push_back(row[x * 4 + 2]);
            raw.push_back(row[x * 4 + 1]);
            raw.push_back(row[x * 4 + 0]);
            raw.push_back(row[x * 4 + 3]);
        }
    }

    // zlib stream of stored deflate blocks.
    std::vector<unsigned char> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t len = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        z.push_back(pos + len == raw.size() ? 1 : 0);
        z.push_back(static_cast<unsigned char>(len));
        z.push_back(static_cast<unsigned char>(len >> 8));
        z.push_back(static_cast<unsigned char>(~len));
        z.push_back(static_cast<unsigned char>(~len >> 8));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + len);
        pos += len;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    PutBig32(header, image.width);
    PutBig32(header, image.height);
    header.insert(header.end(), {8, 6, 0, 0, 0});   // 8 bits, RGBA, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});
    return png;
}

namespace {

std::vector<unsigned char> EncodeBmp(const Image& image)
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    size_t pixels = image.bgra.size();
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels);
    info.biSize = sizeof(info);
    info.biWidth = image.width;
    info.biHeight = -image.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<unsigned char> out(reinterpret_cast<unsigned char*>(&file), reinterpret_cast<unsigned char*>(&file) + sizeof(file));
    out.insert(out.end(), reinterpret_cast<unsigned char*>(&info), reinterpret_cast<unsigned char*>(&info) + sizeof(info));
    out.insert(out.end(), image.bgra.begin(), image.bgra.end());
    return out;
}

} // namespace

std::wstring Save(const Image& image, const std::wstring& name)
{
    if (image.width <= 0 || image.height <= 0)
        return std::wstring();
    bool bmp = name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".bmp") == 0;
    std::vector<unsigned char> bytes = bmp ? EncodeBmp(image) : EncodePng(image);
    std::wstring path = ShotFolder() + L"\\" + name;
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f)
        return std::wstring();
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = fclose(f) == 0 && ok;
    return ok ? path : std::wstring();
}

} // namespace testshot
