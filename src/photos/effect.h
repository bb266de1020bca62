#pragma once
// A transition effect: how the show's large photo is drawn over the slide interval.

struct TextureImage;

// Effect identifiers, as stored in the "effect" setting and offered by the open dialog.
constexpr int effectPlain = 1111;
constexpr int effectFade = 1112;
constexpr int effectWave = 1113;
constexpr int effectIdle = 1114;

// The effects a user chooses between, in the order the context menu and the open dialog list
// them, each with the key of its name in the language section "Effects".
struct EffectChoice {
  int id;
  const char* key;
};
constexpr EffectChoice effectChoices[] = {{effectPlain, "def"}, {effectFade, "fade"}};
constexpr int effectChoiceCount = sizeof effectChoices / sizeof effectChoices[0];

class Effect {
public:
  virtual ~Effect() = default;
  // Called every frame just before the photo's frame list is drawn, with its texture bound.
  virtual void applyEffect(const TextureImage* photo) = 0;
  // Called on every timer tick while the show plays.
  virtual void onTick() = 0;
  // Called on every photo change.
  virtual void restart() = 0;
};
