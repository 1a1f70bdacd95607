// Menu item texts as the user reads them.
#pragma once
#include <string>
#include <string_view>

// Removes every single "&" accelerator mark; a doubled "&&" stays as it is.
std::wstring RemoveAcceleratorMarks(std::wstring_view text);
// Equal once both lose their accelerator marks, ignoring ASCII case.
bool SameMenuText(std::wstring_view a, std::wstring_view b);
