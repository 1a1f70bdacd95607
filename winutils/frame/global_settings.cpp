#include "frame/global_settings.h"

std::wstring& GlobalSettingsText() {
    static std::wstring text;
    return text;
}
