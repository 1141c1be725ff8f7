// Export macro of the add-on API object library.
#pragma once

#if defined(_WIN32)
#if defined(TSAPI_BUILDING)
#define TSAPI_EXPORT __declspec(dllexport)
#else
#define TSAPI_EXPORT __declspec(dllimport)
#endif
#else
#define TSAPI_EXPORT __attribute__((visibility("default")))
#endif
