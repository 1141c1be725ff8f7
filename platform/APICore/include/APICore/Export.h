// Export macro of the host's API core library: marks the classes and functions that other modules see.
#pragma once

#if defined(_WIN32)
#if defined(APICORE_BUILDING)
#define APICORE_EXPORT __declspec(dllexport)
#else
#define APICORE_EXPORT __declspec(dllimport)
#endif
#else
#define APICORE_EXPORT __attribute__((visibility("default")))
#endif
