#include "vectrel/encoding/action_records.h"

#include <algorithm>

#include "vectrel/encoding/swf_string.h"

namespace vectrel {

namespace {
constexpr std::uint8_t kActionStop = 0x07;
constexpr std::uint8_t kActionPlay = 0x06;
constexpr std::uint8_t kActionGotoFrame = 0x81;
constexpr std::uint8_t kActionGetUrl = 0x83;
}  // namespace

void StopActionRecord::Write(OutputBuffer& buffer) const { buffer.WriteU8(kActionStop); }

void PlayActionRecord::Write(OutputBuffer& buffer) const { buffer.WriteU8(kActionPlay); }

void GotoFrameActionRecord::Write(OutputBuffer& buffer) const {
  buffer.WriteU8(kActionGotoFrame);
  buffer.WriteU16(2);
  buffer.WriteU16(frame_);
}

GetUrlActionRecord::GetUrlActionRecord(std::string url, std::string target)
    : url_(TerminatedPart(url)), target_(TerminatedPart(target)) {
  // The URL matters more than the window it opens in.
  if (url_.size() > kMaxStringBytes) url_.resize(kMaxStringBytes);
  target_.resize(std::min(target_.size(), kMaxStringBytes - url_.size()));
}

void GetUrlActionRecord::Write(OutputBuffer& buffer) const {
  OutputBuffer strings;
  WriteTerminatedString(strings, url_);
  WriteTerminatedString(strings, target_);
  buffer.WriteU8(kActionGetUrl);
  buffer.WriteU16(strings.Length());
  buffer.Append(strings);
}

}  // namespace vectrel
