// Export macro of the IFCAPI library: marks every exported class and function.
#pragma once

#if defined(_WIN32)
#if defined(IFCAPI_BUILDING)
#define IFCAPI_EXPORT __declspec(dllexport)
#else
#define IFCAPI_EXPORT __declspec(dllimport)
#endif
#else
#define IFCAPI_EXPORT __attribute__((visibility("default")))
#endif
