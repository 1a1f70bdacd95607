#include "lang/lang_data.h"

#include <utility>

#include "common/paths.h"
#include "common/strings.h"
#include "common/text_encoding.h"
#include "lang/lang_text.h"

CLangData::CLangData(std::function<std::wstring()> moduleFolder, LangFileReader reader)
    : moduleFolder_(std::move(moduleFolder)), reader_(std::move(reader)) {}

void CLangData::SetCache(std::wstring_view englishText, std::wstring_view currentText,
                         std::wstring_view currentLanguage) {
    // The host hands over whole files; the searches below are LF-delimited.
    englishText_ = CollapseCrLf(englishText);
    englishSearch_ = AsciiLower(englishText_);
    englishTried_ = !englishText_.empty();
    currentText_ = CollapseCrLf(currentText);
    currentLanguage_ = currentLanguage;
}

void CLangData::ReplaceCurrentText(std::wstring_view text) {
    currentText_ = CollapseCrLf(text);
}

std::wstring CLangData::FilePath(std::wstring_view name) const {
    std::wstring language(name.empty() ? std::wstring_view(currentLanguage_) : name);
    return moduleFolder_() + L"language\\" + language + L".ini";
}

void CLangData::EnsureEnglish() {
    if (!englishText_.empty() || englishTried_) return;
    englishTried_ = true;
    std::wstring text;
    if (reader_ && reader_(FilePath(kSourceLanguage), 0, text)) {
        englishText_ = std::move(text);
        englishSearch_ = AsciiLower(englishText_);
    }
}

std::wstring CLangData::Value(const std::wstring& path, std::wstring_view key,
                              std::wstring_view def) {
    if (path == FilePath(kSourceLanguage)) {
        EnsureEnglish();
        return FindEntryValue(englishText_, key, def);
    }
    if (path != currentPath_ || currentText_.empty()) {
        // A file that cannot be read keeps the text the host handed over.
        std::wstring text;
        if (reader_ && reader_(path, GetLangCodePage(FileNameOf(path, true)), text))
            currentText_ = std::move(text);
        currentPath_ = path;
    }
    return FindEntryValue(currentText_, key, def);
}

unsigned CLangData::FindTextIdOnce(std::wstring_view text) {
    std::wstring needle = TrimWhite(EncodeLineBreaks(AsciiLower(text)));
    return FindEntryNumber(englishSearch_, needle);
}

unsigned CLangData::FindTextId(std::wstring_view text) {
    EnsureEnglish();
    unsigned number = FindTextIdOnce(text);
    if (number == 0 && text.find(L'&') != std::wstring_view::npos)
        number = FindTextIdOnce(RemoveSingleAmpersands(text));
    return number;
}

std::wstring CLangData::Translate(std::wstring_view text) {
    if (text.empty() || currentLanguage_ == kSourceLanguage) return std::wstring(text);
    TextParts parts = SplitTextTail(text);
    unsigned number = FindTextId(parts.core);
    if (number == 0) return std::wstring(text);
    if (currentLanguage_ == kTestLanguage) return L"[" + parts.core + L"]" + parts.tail;
    std::wstring value = Value(FilePath({}), std::to_wstring(number), {});
    if (value.empty()) return std::wstring(text);
    std::wstring result = value + parts.tail;
    if (!KeepsStoredCase(currentLanguage_)) result = AdjustTextCase(text, std::move(result));
    return result;
}
