#pragma once

#include <QTransform>
#include <cstdint>
#include <vector>

#include "player/actions.h"
#include "player/character.h"
#include "player/swf_types.h"

namespace swfplayer {

enum class ButtonState { kUp, kOver, kDown };

struct ButtonRecord {
  bool hit_test = false;
  bool down = false;
  bool over = false;
  bool up = false;
  std::uint16_t character = 0;
  std::uint16_t depth = 0;
  QTransform matrix;
  ColorTransform color;

  bool ShownIn(ButtonState state) const {
    return state == ButtonState::kUp ? up : state == ButtonState::kOver ? over : down;
  }
};

// Mouse transitions, as the bits of a BUTTONCONDACTION's conditions word.
enum ButtonCondition : std::uint16_t {
  kCondIdleToOverUp = 0x0001,
  kCondOverUpToIdle = 0x0002,
  kCondOverUpToOverDown = 0x0004,
  kCondOverDownToOverUp = 0x0008,
  kCondOverDownToOutDown = 0x0010,
  kCondOutDownToOverDown = 0x0020,
  kCondOutDownToIdle = 0x0040,
  kCondIdleToOverDown = 0x0080,
  kCondOverDownToIdle = 0x0100,
};

struct ButtonCondActions {
  std::uint16_t conditions = 0;
  ActionList actions;
};

// DefineButton or DefineButton2.
class ButtonCharacter final : public Character {
 public:
  ButtonCharacter(std::uint16_t id, bool track_as_menu, std::vector<ButtonRecord> records,
                  std::vector<ButtonCondActions> actions)
      : Character(id), track_as_menu_(track_as_menu), records_(std::move(records)), actions_(std::move(actions)) {}
  CharacterKind kind() const override { return CharacterKind::kButton; }
  bool track_as_menu() const { return track_as_menu_; }
  const std::vector<ButtonRecord>& records() const { return records_; }
  const std::vector<ButtonCondActions>& actions() const { return actions_; }

 private:
  bool track_as_menu_;
  std::vector<ButtonRecord> records_;
  std::vector<ButtonCondActions> actions_;
};

}  // namespace swfplayer
