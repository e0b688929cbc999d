#pragma once

// Marks the classes that make up the public face of the shared library; every
// other symbol stays hidden (the library is built with hidden visibility).
#if defined(_WIN32)
#if defined(RAMULET_BUILDING)
#define RAMULET_EXPORT __declspec(dllexport)
#else
#define RAMULET_EXPORT __declspec(dllimport)
#endif
#else
#define RAMULET_EXPORT __attribute__((visibility("default")))
#endif
