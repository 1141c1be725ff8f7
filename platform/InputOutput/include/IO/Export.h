// Export macro of the input/output library.
#pragma once

#if defined(_WIN32)
#if defined(IO_BUILDING)
#define IO_EXPORT __declspec(dllexport)
#else
#define IO_EXPORT __declspec(dllimport)
#endif
#else
#define IO_EXPORT __attribute__((visibility("default")))
#endif
