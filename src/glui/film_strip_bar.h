#pragma once
// The film strip of a photo show: a bar along the bottom of the scene with the previous-page
// arrow, four thumbnail buttons and the next-page arrow. The thumbnails show what the show lends
// them (a photo's thumbnail list and texture, or the blank picture kept here); the loans are
// handed back before the buttons go, so a button never deletes what it does not own.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class GlButton;
class GlPanel;
class Language;

// Roles of the film strip's buttons, from the left.
enum FilmStripButton {
  stripPrevious,
  stripThumbnail1,
  stripThumbnail2,
  stripThumbnail3,
  stripThumbnail4,
  stripNext,
  stripButtonCount
};

class FilmStripBar {
public:
  FilmStripBar();
  // Hands back the thumbnails' loans, then deletes the blank picture's list and texture. Runs
  // while the panel (and so the buttons) still exists.
  ~FilmStripBar();
  FilmStripBar(const FilmStripBar&) = delete;
  FilmStripBar& operator=(const FilmStripBar&) = delete;

  // Adds the bar, the blank picture and the six buttons to `panel`, tooltips shown in `window`
  // with the texts of the language section "Negativ" of "Scene". Needs the GL context current.
  void build(GlPanel& panel, HWND window);

  // The FilmStripButton named `pickName`, or -1 when it is not one of this bar's buttons.
  int roleOf(int64_t pickName) const;

  // Lends thumbnail k (0-3) a photo's thumbnail list and texture; `name` (UTF-8, may be none)
  // becomes its tooltip text when `showName`, in the font's Windows-1250 ("?" for the rest). The photo must outlive the loan or be replaced first.
  void showPhoto(uint32_t k, uint32_t thumbList, uint32_t texture, const char* name,
                 bool showName);
  // Shows the blank picture on thumbnail k.
  void showBlank(uint32_t k);
  // Clears every lent list and texture from the thumbnails.
  void returnLoans();

  uint32_t pickNames[stripButtonCount] = {};  // pick names by FilmStripButton
  GlButton* previews[4] = {};                // the thumbnail buttons, owned by the panel
  uint32_t blankList = 0;                    // the blank thumbnail, bound and drawn
  uint32_t blankTexture = 0;
  std::unique_ptr<Language> texts;

private:
  // Each thumbnail's tooltip text, converted from the photo name it was last given.
  const char* tooltipSource[4] = {};
  std::string tooltipText[4];
};
