#include "vectrel/encoding/define_font_info.h"

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

DefineFontInfoRecord::DefineFontInfoRecord(std::string name, std::uint16_t font_id, int encoding_selector,
                                           bool italic, bool bold)
    : name_(std::move(name)),
      font_id_(font_id),
      encoding_selector_(encoding_selector),
      italic_(italic),
      bold_(bold) {
  if (name_.size() > kMaxNameBytes) name_.resize(kMaxNameBytes);
}

void DefineFontInfoRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU16(font_id_);
  body.WriteU8(static_cast<std::uint32_t>(name_.size()));
  WriteString(body, name_, false);
  body.WriteBits(0, 2);  // reserved
  // Unicode, Shift-JIS, ANSI flags, set by selectors 2, 1 and 3.
  body.WriteBits(encoding_selector_ == 2 ? 1 : 0, 1);
  body.WriteBits(encoding_selector_ == 1 ? 1 : 0, 1);
  body.WriteBits(encoding_selector_ == 3 ? 1 : 0, 1);
  body.WriteBits(italic_ ? 1 : 0, 1);
  body.WriteBits(bold_ ? 1 : 0, 1);
  body.WriteBits(0, 1);  // WideCodes
  for (std::uint16_t code : codes_) body.WriteU8(code & 0xFFu);
  codes_.clear();
  WriteTagHeader(file, kTagDefineFontInfo, body.Length(), &body);
}

}  // namespace vectrel
