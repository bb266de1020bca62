#pragma once
// Ovix's version, in one place for the code, the version resources (.rc files include this
// file, so it holds nothing but defines) and the build, which names the release zip after
// OVIX_VERSION_TEXT.
#define OVIX_VERSION_NUMBERS 1, 2, 0, 0
#define OVIX_VERSION_TEXT "1.2.0"
#define OVIX_VERSION_FULL_TEXT "1.2.0.0"
