// The host part of a web address.
#pragma once
#include <string>

// Lower-cased (ASCII) host name of an absolute URL; empty when it cannot be parsed, which
// includes an address without a scheme.
std::wstring HostOfUrl(const std::wstring& url);
