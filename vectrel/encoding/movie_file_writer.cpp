#include "vectrel/encoding/movie_file_writer.h"

#include <algorithm>

#include "platform/atomic_file.h"

namespace vectrel {

void MovieFileWriter::Add(std::unique_ptr<TagRecord> record) {
  if (record->IsShowFrame()) ++frame_count_;
  records_.push_back(std::move(record));
}

OutputBuffer MovieFileWriter::BuildFile(int width, int height, int frame_rate) {
  OutputBuffer file;
  for (int i = 0; i < 22; ++i) file.WriteU8(0);
  for (auto& record : records_) record->Write(file);
  WriteTagHeader(file, kTagEnd, 0, nullptr);

  OutputBuffer header;
  header.WriteU8(0x46);
  header.WriteU8(0x57);
  header.WriteU8(0x53);
  header.WriteU8(5);
  header.WriteU32(file.Length());
  // The frame rectangle always uses 17-bit fields.
  header.WriteBits(17, 5);
  header.WriteBits(0, 17);
  header.WriteBits(static_cast<std::uint32_t>(width), 17);
  header.WriteBits(0, 17);
  header.WriteBits(static_cast<std::uint32_t>(height), 17);
  header.Align();
  header.WriteU8(0);
  header.WriteU8(static_cast<std::uint32_t>(frame_rate));
  header.WriteU16(static_cast<std::uint32_t>(frame_count_));
  std::copy(header.bytes().begin(), header.bytes().begin() + 22, file.mutable_bytes().begin());

  ResetCharacterIds();
  return file;
}

bool MovieFileWriter::WriteFile(const std::filesystem::path& path, int width, int height, int frame_rate,
                                std::string* error) {
  bool built = false;
  OutputBuffer file;
  return platform::WriteFileAtomically(
      path,
      [&](std::FILE* out) {
        // Built only once the target's folder accepted a file, so a failed
        // open leaves the id counter running.
        if (!built) {
          file = BuildFile(width, height, frame_rate);
          built = true;
        }
        return file.WriteTo(out);
      },
      error);
}

}  // namespace vectrel
