#include "photos/texture_image.h"

#include <windows.h>
#include <GL/gl.h>

#include <new>

#include "photos/image_decoder.h"

bool decodeTexels(const TextureOptions& options, const char* path, TexelImage& out) {
  out.clear();
  ImageSurface* surface = loadImage(path, options.maxSize);
  if (!surface) return false;
  const bool made = makeTexels(*surface, options, out);
  freeSurface(surface);
  return made;
}

namespace {
constexpr GLint clampToEdge = 0x812F;  // GL_CLAMP_TO_EDGE, OpenGL 1.2

bool powerOfTwo(uint32_t side) { return side != 0 && (side & (side - 1)) == 0; }

void clearGlErrors() {
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
}

GLuint uploadTexture(const TexelImage& texels) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture == 0) return 0;  // no current context
  clearGlErrors();
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  // A side that is no power of two comes unpadded: the picture's edge is the texture's, and
  // repeating would blend in the opposite edge along the frame.
  if (!powerOfTwo(texels.textureWidth) || !powerOfTwo(texels.textureHeight)) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, clampToEdge);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, clampToEdge);
  }
  // Rows of 3-byte texels are not 4-byte aligned in a 2-texel-wide texture.
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, texels.bytesPerTexel, static_cast<GLsizei>(texels.textureWidth),
               static_cast<GLsizei>(texels.textureHeight), 0,
               texels.bytesPerTexel == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, texels.texels);
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
  if (glGetError() != GL_NO_ERROR) {
    glDeleteTextures(1, &texture);
    return 0;
  }
  return texture;
}

// The outline of a square's rectangle, in the colour already set.
void outline(const TexturedSquare& square) {
  glBegin(GL_LINE_LOOP);
  glVertex3f(square.left, square.bottom, square.z);
  glVertex3f(square.right, square.bottom, square.z);
  glVertex3f(square.right, square.top, square.z);
  glVertex3f(square.left, square.top, square.z);
  glEnd();
}

void compileFrameList(GLuint list, GLuint texture, float s, float t, float a) {
  const TexturedSquare frame{-a, -1.0f, a, 1.0f, 1.0f, s, t};
  glNewList(list, GL_COMPILE);
  glEnable(GL_TEXTURE_2D);
  drawTexturedSquare(texture, frame);
  glDisable(GL_TEXTURE_2D);
  glColor3f(0.356f, 0.356f, 0.356f);
  outline(frame);
  glEndList();
}

void compileThumbList(GLuint list, GLuint texture, float s, float t) {
  const TexturedSquare thumbnail = thumbnailSquare(s, t);
  glNewList(list, GL_COMPILE);
  drawTexturedSquare(texture, thumbnail);
  glColor4f(0.356f, 0.356f, 0.356f, 0.3f);
  outline(thumbnail);
  glEndList();
}
}  // namespace

TextureImage* uploadTexels(const TexelImage& texels) {
  if (!texels.texels) return nullptr;
  const GLuint texture = uploadTexture(texels);
  if (texture == 0) return nullptr;
  auto* image = new (std::nothrow) TextureImage;
  const GLuint frameList = glGenLists(1);
  const GLuint thumbList = glGenLists(1);
  if (!image || frameList == 0 || thumbList == 0) {
    if (frameList) glDeleteLists(frameList, 1);
    if (thumbList) glDeleteLists(thumbList, 1);
    glDeleteTextures(1, &texture);
    delete image;
    return nullptr;
  }
  image->texture = texture;
  image->textureWidth = texels.textureWidth;
  image->textureHeight = texels.textureHeight;
  image->imageWidth = texels.imageWidth;
  image->imageHeight = texels.imageHeight;
  image->frameList = frameList;
  image->thumbList = thumbList;

  const float s = static_cast<float>(texels.imageWidth) / static_cast<float>(texels.textureWidth);
  const float t = static_cast<float>(texels.imageHeight) / static_cast<float>(texels.textureHeight);
  const float a = static_cast<float>(texels.imageWidth) / static_cast<float>(texels.imageHeight);
  compileFrameList(frameList, texture, s, t, a);
  compileThumbList(thumbList, texture, s, t);
  return image;
}

TextureImage* loadSurfaceTexture(const TextureOptions& options, const char* path) {
  TexelImage texels;
  if (!decodeTexels(options, path, texels)) return nullptr;
  return uploadTexels(texels);
}

uint32_t loadTexture(const char* path) {
  TextureImage* image = loadSurfaceTexture(TextureOptions{}, path);
  if (!image) return 0;
  const uint32_t texture = image->texture;
  glDeleteLists(image->frameList, 1);
  glDeleteLists(image->thumbList, 1);
  delete image;
  return texture;
}

bool currentDriverTakesAnySide() {
  return driverTakesAnySide(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                            reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
}

void releaseTextureImage(TextureImage* image) {
  if (!image) return;
  glDeleteLists(image->frameList, 1);
  glDeleteLists(image->thumbList, 1);
  const GLuint texture = image->texture;
  glDeleteTextures(1, &texture);
  delete image;
}
