// Generated pictures for the gallery: photos, frames, a background and a signature.
#pragma once
#include "imaging/gdiplus_owners.h"

namespace gallery {

// A landscape-like scene (sky, sun, hills, a lake); `variant` changes colours and shapes.
BitmapPtr MakeScene(int width, int height, int variant);
// An ornamental frame picture, opaque.
BitmapPtr MakeFramePicture(int width, int height);
// A cork-board background for photo paper.
BitmapPtr MakeBoard(int width, int height);
// A handwritten-looking signature, transparent around the ink.
BitmapPtr MakeSignature(int width, int height);

} // namespace gallery
