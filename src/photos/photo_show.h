#pragma once
// The scene while a folder of photos is open: one photo large in the middle, the film strip of
// the current group of four under it, the navigation bar, and with music the music bar and its
// volume bar. Photos are walked in groups of four; while playing, the next photo comes every
// `flipTime` timer ticks and the next group after the fourth.
//
// Every photo change, whatever caused it, ends the same way (photoChanged): the slide clock
// starts over, the rotation goes back to 0 and the effect restarts; the zoom stays.
//
// Main thread only, with the main window's GL context current. The folder is scanned and the
// photos decoded off the main thread; a frame waits only for the photo it must show now.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "glui/film_strip_bar.h"
#include "glui/gl_panel.h"
#include "glui/navigation_bar.h"
#include "music/music_bar.h"
#include "photos/effect_holder.h"
#include "photos/photo_walk.h"
#include "photos/show_params.h"

class PhotoCache;
class SceneLine;
struct TextureImage;

// Something the main window draws every frame.
class Scene {
public:
  virtual ~Scene() = default;
  virtual void draw() = 0;
};

class PhotoShow : public Scene {
public:
  // Builds the bars (the music bar only with music), starts scanning and loading the folder,
  // and selects the effect. Once the folder is open the show stands on the start photo (the
  // record's startAt), else on the first. Never fails as a whole: a folder without loadable
  // photos gives an empty show.
  explicit PhotoShow(const ShowParams& params);
  // Releases the music, the photos and their textures, the bars and the effect.
  ~PhotoShow() override;
  PhotoShow(const PhotoShow&) = delete;
  PhotoShow& operator=(const PhotoShow&) = delete;

  // One timer tick: while playing, the effect's tick and the slide clock (back to 0 once the
  // interval is reached, which the next draw turns into a slideshow step).
  void tick();
  // One frame: the slideshow step when due, the photo through the effect, the volume bar,
  // the thumbnails and the bars. Leaves blending off.
  void draw() override;
  // Puts the current group's photos (or the blank picture) on the four thumbnails; may reload
  // the cache's window when the group has left it.
  void fillPreviews();

  // A click at client pixel (x, y): runs the command of the show's button under it, if any.
  void onPanelClick(int x, int y);

  // The show's commands, shared by the bars, the keys and the context menu.
  // Photo k (0-3) of the current group; with k photos or fewer loaded only the clock restarts.
  void selectThumbnail(uint32_t k);
  // The next group of four, starting on its first photo.
  void nextGroup();
  // The previous group of four, starting on its first photo.
  void previousGroup();
  // The next photo at once, as the slideshow step does it: after the group's fourth comes the
  // next group (which may reload the cache's window); nothing past the last loaded photo.
  void nextPhoto();
  // The previous member of the group, reloading the window backwards when the step leaves it;
  // nothing on the group's first member.
  void previousPhoto();
  // List entry `entry` of the folder (0: its first photo) in its group, counted in fours from
  // the folder's first photo as at a fresh open; may reload the cache's window.
  void jumpTo(std::ptrdiff_t entry);
  // The folder's first photo in its group, as at a fresh open.
  void firstPhoto() { jumpTo(0); }
  // The folder's last photo in its group.
  void lastPhoto();
  // Quarter turns: left adds 90 degrees, right subtracts 90.
  void rotateLeft() { angle += 90.0f; }
  void rotateRight() { angle -= 90.0f; }
  // Zoom by 0.3 towards the viewer down to -2.5 and away up to about -7.6.
  void zoomIn();
  void zoomOut();
  // Pauses or resumes the slideshow (clock and effect) and swaps the button's picture and text.
  void togglePlaying();
  // The common end of every photo change.
  void photoChanged();

  // Photos in the cache's window once loading has settled (waits for the scan and the fill).
  std::size_t loaded() const;
  // True when the user cancelled the folder's scan: the show should go.
  bool cancelled() const;

  EffectHolder effect;
  GlPanel panels;
  NavigationBar navigation;  // the bars live inside `panels`, so they are declared after it
  MusicBar musicBar;
  FilmStripBar filmStrip;
  bool showNames = false;
  uint32_t groupIndex = 0;  // member 0-3 of the current group shown large
  float offsetX = 0.0f;
  float offsetY = 0.0f;
  float angle = 0.0f;       // degrees about the view axis
  float distance = -4.9f;   // z of the large photo
  bool playing = true;
  uint32_t tickCount = 1;   // slide clock
  std::unique_ptr<PhotoCache> cache;
  TextureImage* largePhoto = nullptr;  // the photo shown large, owned by the cache; none if empty
  HWND ownerWindow = nullptr;       // the main window, where the show draws
  std::unique_ptr<SceneLine> emptyLine;  // "no photos", made when first needed
  bool showInfo = false;                 // the info line under the film strip is drawn
  std::unique_ptr<SceneLine> infoLine;   // of the photo shown large, made when first needed

  // The entry of the folder's list shown large; -1 for none (nothing loaded, or an empty show).
  std::ptrdiff_t currentEntry() const;
  // The path of the photo shown large; empty for none.
  std::string currentPath() const;

private:
  // The line in the middle of the scene saying that the folder has no photos to show.
  void drawEmptyLine();
  // The line under the film strip about the photo shown large: its place in the show's order
  // and the count ("12 / 340"), its name, its size in pixels as it stands, and the date it was
  // taken (EXIF), else the file's last change. Nothing without a photo.
  void drawInfoLine();
  // Once the folder is open (and once only): the start photo's member of its group becomes
  // the one shown large.
  void takeStart();
  // Drops `largePhoto` when a reload of the cache's window has freed it.
  void forgetFreedPhoto();
  // True when the cache holds at least `count` photos (waits for the fill, not for a scan).
  bool holds(std::size_t count) const;
  // True when the slideshow's next step would wait for a decode.
  bool stepWouldWait() const;
  // One group on or back, on its first photo; the caller ends the photo change.
  void moveGroup(Direction direction);

  bool waitsForPhotos = false;  // no reporter: every step waits for its photo (tests, tools)
  bool stepDue = false;         // the clock ran out, the step waits for its photo
  bool startTaken = false;      // takeStart has placed the show
  std::ptrdiff_t infoEntry = -1;  // the entry infoLine tells of

};
