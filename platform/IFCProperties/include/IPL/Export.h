// Export macro of the IFC property library.
#pragma once

#if defined(_WIN32)
#if defined(IPL_BUILDING)
#define IPL_EXPORT __declspec(dllexport)
#else
#define IPL_EXPORT __declspec(dllimport)
#endif
#else
#define IPL_EXPORT __attribute__((visibility("default")))
#endif
