// Export marking for the image core classes, which the library exports under their own names.
// The library's build of this component defines KV_IMAGE_CORE_BUILD; programs that use the
// classes through the library's import library define KV_IMAGE_CORE_IMPORT.
#pragma once

#if !defined(_WIN32)
#define KV_IMAGE_CORE_API
#elif defined(KV_IMAGE_CORE_BUILD)
#define KV_IMAGE_CORE_API __declspec(dllexport)
#elif defined(KV_IMAGE_CORE_IMPORT)
#define KV_IMAGE_CORE_API __declspec(dllimport)
#else
#define KV_IMAGE_CORE_API
#endif
