// The multipart/form-data body of a form submission with files.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The boundary used unless the content contains it.
inline constexpr wchar_t kDefaultBoundary[] = L"AaB03xDeGy";

struct FormField {
    std::wstring name;
    std::wstring value; // already unescaped
};

struct FormFile {
    std::wstring field;
    std::wstring path;
};

struct FilePiece {
    std::wstring field;
    std::wstring fileName; // without folders
    std::string bytes;
};

// "name=value&name=value" with escaped values; pairs with an empty name are dropped, a pair
// without "=" has an empty value.
std::vector<FormField> ParseFormText(std::wstring_view form);
// "field=path;field=path"; pairs with an empty field or path are dropped.
std::vector<FormFile> ParseFileList(std::wstring_view files);

// kDefaultBoundary, or the first of kDefaultBoundary + "0", "1", ... that occurs nowhere in the
// names, values, file names and file bytes (any occurrence would end a part early).
std::wstring ChooseBoundary(const std::vector<FormField>& form,
                            const std::vector<FilePiece>& files);

// The body bytes: the form parts (UTF-8), the file parts (header in UTF-8, then the bytes as
// they are), and the closing delimiter; every line ends with CR LF.
std::string BuildMultipartBody(const std::vector<FormField>& form,
                               const std::vector<FilePiece>& files, std::wstring_view boundary);
