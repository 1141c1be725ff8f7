// Export macro of the foundation library: marks the classes and functions that other modules see.
#pragma once

#if defined(_WIN32)
#if defined(KT_BUILDING)
#define KT_EXPORT __declspec(dllexport)
#else
#define KT_EXPORT __declspec(dllimport)
#endif
#else
#define KT_EXPORT __attribute__((visibility("default")))
#endif
