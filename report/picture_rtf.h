#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "report/rich_text_sink.h"

namespace horavela {

// Pictures in rich text travel as Windows metafiles: the RTF reader of every
// word processor draws a {\pict\wmetafile8 ...} group. The metafile is built
// in memory; no file is written.

// A screen of 96 pixels per inch has 15 twips per pixel. The report has no
// screen of its own to ask, and 96 dpi is what the goal sizes are meant for.
inline constexpr int kTwipsPerScreenPixel = 15;

// The byte as two upper-case hexadecimal digits, "0F" for 15.
std::string ByteToHex(std::uint8_t byte);

// A Windows metafile (no placeable header) that draws `picture` into a window
// of its own pixel size: save the device state, anisotropic mapping, window
// origin 0,0 and extent width x height, one StretchDIBits of a 24-bit DIB,
// restore, end of file. Empty for an empty picture.
std::vector<std::uint8_t> BitmapToMetafile(const Bitmap& picture);

// The rich-text picture group of `picture`:
// "{\pict\wmetafile8\picwW\pichH\picwgoalGW\pichgoalGH " then, for every 39
// bytes of the metafile, CRLF and their lower-case hex digits, then CRLF and
// "}". W and H are the size in hundredths of a millimetre, GW and GH in twips.
// Empty for an empty picture.
std::string PictureToRtf(const Bitmap& picture);

// Puts the picture group at `insertionPoint` of the rich text `rtf` and moves
// the insertion point behind it, so that text inserted next follows the
// picture. Nothing changes when the picture is empty.
void InsertPicture(std::string& rtf, std::size_t& insertionPoint, const Bitmap& picture);

}  // namespace horavela
