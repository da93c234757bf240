#pragma once

#include <cstdint>
#include <string>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// One action of a DoAction or of a button's condition action.
class ActionRecord {
 public:
  virtual ~ActionRecord() = default;
  virtual void Write(OutputBuffer& buffer) const = 0;

 protected:
  ActionRecord() = default;
  ActionRecord(const ActionRecord&) = delete;
  ActionRecord& operator=(const ActionRecord&) = delete;
};

class StopActionRecord final : public ActionRecord {
 public:
  void Write(OutputBuffer& buffer) const override;
};

class PlayActionRecord final : public ActionRecord {
 public:
  void Write(OutputBuffer& buffer) const override;
};

// Frame 0 is the first frame.
class GotoFrameActionRecord final : public ActionRecord {
 public:
  explicit GotoFrameActionRecord(std::uint16_t frame) : frame_(frame) {}
  void Write(OutputBuffer& buffer) const override;

 private:
  std::uint16_t frame_;
};

// An empty target means the current window. Both strings end at their first
// 0 byte; together with their terminators they must fit the 16-bit length,
// so an overlong target, then URL, is cut.
class GetUrlActionRecord final : public ActionRecord {
 public:
  static constexpr std::size_t kMaxStringBytes = 0xFFFF - 2;

  GetUrlActionRecord(std::string url, std::string target);
  void Write(OutputBuffer& buffer) const override;

 private:
  std::string url_;
  std::string target_;
};

}  // namespace vectrel
