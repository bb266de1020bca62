#include "glui/scene_line.h"
#include "photos/photo_show.h"
#include "structure/language.h"

void PhotoShow::drawEmptyLine() {
  if (!emptyLine) emptyLine = std::make_unique<SceneLine>(ownerWindow, openLanguage({"Scene"})->text("no_photos"));
  emptyLine->draw();
}
