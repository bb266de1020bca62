#pragma once
// Which files count as photos: the image kind named by a file's extension.
#include <cstdint>

// Image kinds, in the order of their extensions "bmp", "jpg", "png", "gif", "tga".
enum PhotoKind : uint32_t { kindBmp = 0, kindJpg = 1, kindPng = 2, kindGif = 3, kindTga = 4 };

// True when `name` ends in one of the five photo extensions (the text after the last dot,
// compared without regard to A-Z case); `kind` then receives its kind. A name without a dot,
// and any other extension ("jpeg", "tif"), is no photo and leaves `kind` untouched.
bool photoKind(const char* name, PhotoKind* kind);
