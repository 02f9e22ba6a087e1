// Small picture files for the tests of everything that loads pictures: a
// sound GIF and damaged GIFs and bitmaps of the kinds that crash the
// system's decoders when handed over unchecked.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testpics {

struct PictureCase
{
    std::string what;
    std::vector<BYTE> bytes;
};

// A 4 x 4 GIF89a: a global palette of red, green, blue and white, a
// graphic control block making index 3 transparent, one image filling the
// screen (rows of red, green, blue, white) and the trailer.
std::vector<BYTE> SoundGifBytes();
// The sound GIF damaged in one way each: sizes, block lengths, code size,
// missing trailer.
std::vector<PictureCase> DamagedGifs();
// A 24-bit .bmp file (16 x 16 unless said), and ones whose pixels or colour
// table run past the end of the file.
std::vector<BYTE> SoundBitmapBytes(int cx = 16, int cy = 16);
std::vector<PictureCase> DamagedBitmaps();

// Writes the bytes to a file of that name in the working folder; the full path.
std::wstring WritePictureFile(const wchar_t* name, const std::vector<BYTE>& bytes);

} // namespace testpics
