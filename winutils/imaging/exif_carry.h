// Keeps a JPEG's EXIF block through re-encoding where the platform encoder drops it.
#pragma once
#include <string>

// When destination is a JPEG file without an EXIF block and source is a JPEG file with one,
// inserts the source's block into destination unchanged. Any failure leaves destination as it
// was.
void CarryJpegExif(const std::wstring& source, const std::wstring& destination);
