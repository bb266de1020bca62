#pragma once
// Display lists of single quads, the shape every bar fill, edge and button is made of.
#include <cstdint>

// Compiles a list drawing the quad through `corners` (x, y) at depth `z` with primitive `mode`
// (GL_QUADS for a fill, GL_LINES for the top and bottom edges). When `textured`, the corners
// get the texture coordinates (0, 1), (1, 1), (1, 0), (0, 0) in the order given. Returns the
// list, owned by the caller, or 0 when no list could be made.
uint32_t compileQuadList(unsigned mode, const float (&corners)[4][2], bool textured,
                         float z = 1.0f);
