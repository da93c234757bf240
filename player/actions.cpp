#include "player/actions.h"

#include "player/bit_reader.h"

namespace swfplayer {

ActionList ReadActions(std::span<const std::uint8_t> data) {
  ActionList actions;
  BitReader in(data);
  while (!in.at_end()) {
    const int code = in.ReadU8();
    if (code == 0) break;
    std::span<const std::uint8_t> body;
    if (code >= 0x80) body = in.ReadBytes(in.ReadU16());
    BitReader args(body);
    Action a;
    switch (code) {
      case 0x04: a.kind = Action::Kind::kNextFrame; break;
      case 0x05: a.kind = Action::Kind::kPreviousFrame; break;
      case 0x06: a.kind = Action::Kind::kPlay; break;
      case 0x07: a.kind = Action::Kind::kStop; break;
      case 0x81:
        a.kind = Action::Kind::kGotoFrame;
        a.frame = args.ReadU16();
        break;
      case 0x83:
        a.kind = Action::Kind::kGetUrl;
        a.url = args.ReadString();
        a.target = args.ReadString();
        break;
      case 0x8C:
        a.kind = Action::Kind::kGotoLabel;
        a.url = args.ReadString();
        break;
      default:
        continue;
    }
    actions.push_back(std::move(a));
  }
  return actions;
}

}  // namespace swfplayer
