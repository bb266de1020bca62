#include "glui/gl_font.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/display_scale.h"

GlFont::GlFont(HDC deviceContext, UINT dpi) : dpi(dpi) {
  listBase = glGenLists(256);
  font = CreateFontA(-scaleForDpi(12, dpi), 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, 0,
                     ANTIALIASED_QUALITY, 0, "Arial");
  // The font is selected only while the bitmaps are made, so that the device context never
  // holds a deleted font and the font can be deleted at all.
  HGDIOBJ previous = SelectObject(deviceContext, font);
  if (listBase != 0) {
    wglUseFontBitmapsA(deviceContext, 0, 256, listBase);
    // Under Wine with Mesa the list of a glyph without ink (the space) is compiled from an empty
    // bitmap, which Mesa refuses (raising GL_OUT_OF_MEMORY) and so the space would not move the
    // raster position: words would run together. Such glyphs become a one-texel bitmap with no
    // bit set (it draws nothing) and the glyph's advance, and the refusal is cleared.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    static const GLubyte noInk[4] = {};
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (unsigned code = 0; code < 256; ++code) {
      GLYPHMETRICS metrics = {};
      if (GetGlyphOutlineA(deviceContext, code, GGO_BITMAP, &metrics, 0, nullptr, &identity) != 0)
        continue;
      glNewList(listBase + code, GL_COMPILE);
      glBitmap(1, 1, 0.0f, 0.0f, static_cast<float>(metrics.gmCellIncX),
               static_cast<float>(metrics.gmCellIncY), noInk);
      glEndList();
    }
  }
  if (previous) SelectObject(deviceContext, previous);
}

std::shared_ptr<GlFont> GlFont::shared(HDC deviceContext, UINT dpi) {
  static std::weak_ptr<GlFont> alive;
  std::shared_ptr<GlFont> font = alive.lock();
  if (!font || font->dpi != dpi) {
    font = std::make_shared<GlFont>(deviceContext, dpi);
    alive = font;
  }
  return font;
}

GlFont::~GlFont() {
  if (listBase != 0) glDeleteLists(listBase, 256);
  if (font) DeleteObject(font);
}

void GlFont::print(const char* format, ...) {
  if (!format) return;
  va_list arguments;
  va_start(arguments, format);
  const int written = std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  if (written < 0) buffer[0] = '\0';
  if (listBase == 0) return;
  glPushAttrib(GL_LIST_BIT);
  glListBase(listBase);
  glCallLists(static_cast<GLsizei>(std::strlen(buffer)), GL_UNSIGNED_BYTE, buffer);
  glPopAttrib();
}
