#include "photos/fade_effect.h"

#include <windows.h>
#include <GL/gl.h>

void FadeEffect::applyEffect(const TextureImage*) { glColor4f(1.0f, 1.0f, 1.0f, clock.alpha); }
