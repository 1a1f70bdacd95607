// GDI+'s headers expect the min and max macros that NOMINMAX removes.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
