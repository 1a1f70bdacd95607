// Addresses of the maker's web services: the photo frame archive and the language submission.
#pragma once
#include <string>

// Scheme and host without a trailing "/". The environment variable KORVANE_SERVICE_URL, when set,
// replaces the built-in address (tests point it at a local server).
std::wstring ServiceBaseUrl();

std::wstring PickedFramesUrl();       // GET, answers a zip archive
std::wstring SubmitLanguageUrl();     // multipart POST of a language file
std::wstring SubmitLanguageReferer(); // the page the submission comes from
