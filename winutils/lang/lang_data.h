// The language state: the English and current language texts, and the lookups over them.
// Pure logic; reading files and finding the library's folder are handed in.
#pragma once
#include <functional>
#include <string>
#include <string_view>

// Reads a language file into text, decoding 8-bit files with the code page (0: ANSI).
// False when the file cannot be read; text is then left alone.
using LangFileReader =
    std::function<bool(const std::wstring& path, unsigned codePage, std::wstring& text)>;

class CLangData {
  public:
    // moduleFolder gives the folder (with its trailing separator) that holds "language\".
    CLangData(std::function<std::wstring()> moduleFolder, LangFileReader reader);

    // The host's language data; texts with CR LF line ends are taken with LF only.
    void SetCache(std::wstring_view englishText, std::wstring_view currentText,
                  std::wstring_view currentLanguage);
    // New text of the current language (after the file manager saved it).
    void ReplaceCurrentText(std::wstring_view text);

    const std::wstring& CurrentLanguage() const { return currentLanguage_; }

    // The file of a language; an empty name stands for the current language.
    std::wstring FilePath(std::wstring_view name) const;
    std::wstring Value(const std::wstring& path, std::wstring_view key, std::wstring_view def);
    unsigned FindTextId(std::wstring_view text);
    std::wstring Translate(std::wstring_view text);

  private:
    unsigned FindTextIdOnce(std::wstring_view text);
    void EnsureEnglish();

    std::function<std::wstring()> moduleFolder_;
    LangFileReader reader_;
    std::wstring currentLanguage_{L"English (US)"};
    std::wstring englishText_;
    std::wstring englishSearch_;
    bool englishTried_ = false; // the English file is read at most once per cache hand-over
    std::wstring currentText_;
    std::wstring currentPath_;
};
