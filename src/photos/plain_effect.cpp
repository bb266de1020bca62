#include "photos/plain_effect.h"

#include <windows.h>
#include <GL/gl.h>

void PlainEffect::applyEffect(const TextureImage*) { glColor4f(1.0f, 1.0f, 1.0f, 1.0f); }
