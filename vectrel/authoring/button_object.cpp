#include "vectrel/authoring/button_object.h"

#include "vectrel/authoring/action_item.h"
#include "vectrel/authoring/frame.h"
#include "vectrel/encoding/button_cond_action.h"
#include "vectrel/encoding/color_transform.h"
#include "vectrel/encoding/define_button2.h"

namespace vectrel {

std::unique_ptr<ButtonObject> ButtonObject::FourState(std::shared_ptr<ShapeObject> up,
                                                      std::shared_ptr<ShapeObject> over,
                                                      std::shared_ptr<ShapeObject> down,
                                                      std::shared_ptr<ShapeObject> hit_test) {
  return std::make_unique<ButtonObject>(
      0, std::array<std::shared_ptr<ShapeObject>, 4>{std::move(up), std::move(over), std::move(down), std::move(hit_test)},
      Tint{}, Tint{});
}

std::unique_ptr<ButtonObject> ButtonObject::Tinted(std::shared_ptr<ShapeObject> state, Tint first, Tint second) {
  return std::make_unique<ButtonObject>(1, std::array<std::shared_ptr<ShapeObject>, 4>{state, state, state, state},
                                        first, second);
}

ButtonObject::ButtonObject(int kind, std::array<std::shared_ptr<ShapeObject>, 4> states, Tint first, Tint second)
    : kind_(kind), states_(std::move(states)), first_(first), second_(second) {}

bool ButtonObject::QueueCondition(int event) {
  if (sealed_) return false;
  events_.push_back(event);
  return true;
}

bool ButtonObject::QueueEvent(const ActionItem& action, int event) {
  if (!QueueCondition(event)) return false;
  actions_.push_back(action);
  return true;
}

int ButtonObject::AddToFrame(Frame& frame, MovieModel& movie) {
  if (!IsDefinedIn(movie)) {
    for (const auto& state : states_) {
      state->set_definition_only(true);
      state->AddToFrame(frame, movie);
    }
    auto button = std::make_unique<DefineButton2Record>(false);
    set_character_id(button->CharacterId());
    for (int i = 0; i < 4; ++i) {
      const ShapeObject& state = *states_[static_cast<std::size_t>(i)];
      ColorTransform transform;
      if (kind_ == 1 && (i == 1 || i == 3))
        transform = ColorTransform::AddOnly(first_.red, first_.green, first_.blue, first_.alpha);
      else if (kind_ == 1 && i == 2)
        transform = ColorTransform::AddOnly(second_.red, second_.green, second_.blue, second_.alpha);
      const Matrix matrix = state.HasTransform() ? *state.BuildMatrix() : Matrix::Identity();
      button->AddButtonRecord(std::make_unique<ButtonRecord>(i == 3, i == 2, i == 1, i == 0,
                                                             static_cast<std::uint16_t>(state.character_id()), 1,
                                                             matrix, transform));
    }
    auto cond_action = std::make_unique<ButtonCondAction>();
    for (int event : events_) cond_action->SetCondition(event);
    for (const auto& action : actions_)
      if (auto record = action.MakeRecord()) cond_action->AppendAction(std::move(record));
    button->AddCondAction(std::move(cond_action));
    sealed_ = true;
    frame.Append(std::move(button));
    MarkDefinedIn(movie);
  }
  return Place(frame, movie);
}

}  // namespace vectrel
