#include "net/multipart.h"

#include "common/text_encoding.h"
#include "net/escape_text.h"

namespace {

std::vector<std::wstring_view> Split(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring_view> pieces;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::wstring_view::npos) break;
        start = end + 1;
    }
    return pieces;
}

void SplitPair(std::wstring_view pair, std::wstring_view& name, std::wstring_view& value) {
    size_t equals = pair.find(L'=');
    name = pair.substr(0, equals);
    value = equals == std::wstring_view::npos ? std::wstring_view() : pair.substr(equals + 1);
}

std::string Ascii(std::wstring_view text) {
    return std::string(text.begin(), text.end());
}

} // namespace

std::vector<FormField> ParseFormText(std::wstring_view form) {
    std::vector<FormField> fields;
    if (form.empty()) return fields;
    for (std::wstring_view pair : Split(form, L'&')) {
        std::wstring_view name, value;
        SplitPair(pair, name, value);
        if (!name.empty()) fields.push_back({std::wstring(name), UnescapeText(value)});
    }
    return fields;
}

std::vector<FormFile> ParseFileList(std::wstring_view files) {
    std::vector<FormFile> list;
    if (files.empty()) return list;
    for (std::wstring_view pair : Split(files, L';')) {
        std::wstring_view field, path;
        SplitPair(pair, field, path);
        if (!field.empty() && !path.empty())
            list.push_back({std::wstring(field), std::wstring(path)});
    }
    return list;
}

std::wstring ChooseBoundary(const std::vector<FormField>& form,
                            const std::vector<FilePiece>& files) {
    // The boundary is ASCII and UTF-8 sequences of other characters hold no ASCII bytes, so a
    // search in the UTF-16 text finds exactly what a search in the encoded body would.
    auto occurs = [&](const std::wstring& boundary) {
        std::string narrow = Ascii(boundary);
        for (const FormField& field : form)
            if (field.name.find(boundary) != std::wstring::npos ||
                field.value.find(boundary) != std::wstring::npos)
                return true;
        for (const FilePiece& file : files)
            if (file.field.find(boundary) != std::wstring::npos ||
                file.fileName.find(boundary) != std::wstring::npos ||
                file.bytes.find(narrow) != std::string::npos)
                return true;
        return false;
    };
    std::wstring boundary = kDefaultBoundary;
    // Ends: the content holds only finitely many of the candidates.
    for (unsigned n = 0; occurs(boundary); ++n)
        boundary = kDefaultBoundary + std::to_wstring(n);
    return boundary;
}

std::string BuildMultipartBody(const std::vector<FormField>& form,
                               const std::vector<FilePiece>& files, std::wstring_view boundary) {
    std::wstring delimiter = L"--" + std::wstring(boundary) + L"\r\n";
    std::wstring formText;
    for (const FormField& field : form)
        formText += delimiter + L"Content-Disposition: form-data; name=\"" + field.name +
                    L"\"\r\n\r\n" + field.value + L"\r\n";
    std::string body = EncodeUtf8(formText);
    for (const FilePiece& file : files) {
        body += EncodeUtf8(delimiter + L"Content-Disposition: form-data; name=\"" + file.field +
                           L"\"; filename=\"" + file.fileName +
                           L"\"\r\nContent-Type: application/octet-stream\r\n"
                           L"Content-Transfer-Encoding: binary\r\n\r\n");
        body += file.bytes;
        body += "\r\n";
    }
    body += "--" + Ascii(boundary) + "--\r\n";
    return body;
}
