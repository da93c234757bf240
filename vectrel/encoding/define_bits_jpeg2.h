#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DefineBitsJPEG2 (tag 21): a JPEG file embedded byte for byte. The bytes
// are attached to the file buffer as a deferred block, never copied; the
// record shares ownership of them so they outlive the write. They are not
// parsed or checked.
class DefineBitsJpeg2Record final : public CharacterRecord {
 public:
  using Bytes = std::vector<std::uint8_t>;

  // Null data is written as an empty file. Throws std::length_error when
  // the tag length could not describe the data.
  explicit DefineBitsJpeg2Record(std::shared_ptr<const Bytes> data);

  void Write(OutputBuffer& file) override;

  const std::shared_ptr<const Bytes>& data() const { return data_; }

 private:
  std::shared_ptr<const Bytes> data_;
};

}  // namespace vectrel
