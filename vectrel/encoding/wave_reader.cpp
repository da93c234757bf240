#include "vectrel/encoding/wave_reader.h"

#include <sys/types.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "vectrel/encoding/trace.h"

namespace vectrel {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

// KSDATAFORMAT_SUBTYPE_PCM: the tag 1 followed by the fixed GUID tail.
constexpr std::array<std::uint8_t, 16> kPcmSubFormat = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                        0x10, 0x00, 0x80, 0x00, 0x00, 0xAA,
                                                        0x00, 0x38, 0x9B, 0x71};

// Seekable input of known size: a stdio file or bytes in memory.
class Source {
 public:
  virtual ~Source() = default;
  virtual std::uint64_t size() const = 0;
  virtual bool Seek(std::uint64_t position) = 0;
  virtual std::size_t Read(void* dst, std::size_t n) = 0;
  virtual std::uint64_t position() const = 0;
};

class FileSource final : public Source {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {
    if (fseeko(file_, 0, SEEK_END) == 0) {
      const off_t end = ftello(file_);
      if (end > 0) size_ = static_cast<std::uint64_t>(end);
    }
    std::rewind(file_);
  }
  std::uint64_t size() const override { return size_; }
  bool Seek(std::uint64_t position) override {
    if (position > size_) return false;
    position_ = position;
    return fseeko(file_, static_cast<off_t>(position), SEEK_SET) == 0;
  }
  std::size_t Read(void* dst, std::size_t n) override {
    const std::size_t got = std::fread(dst, 1, n, file_);
    position_ += got;
    return got;
  }
  std::uint64_t position() const override { return position_; }

 private:
  std::FILE* file_;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

class MemorySource final : public Source {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  bool Seek(std::uint64_t position) override {
    if (position > bytes_.size()) return false;
    position_ = static_cast<std::size_t>(position);
    return true;
  }
  std::size_t Read(void* dst, std::size_t n) override {
    const std::size_t got = std::min(n, bytes_.size() - position_);
    if (got > 0) std::memcpy(dst, bytes_.data() + position_, got);
    position_ += got;
    return got;
  }
  std::uint64_t position() const override { return position_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

class Reader {
 public:
  explicit Reader(Source& source) : source_(source) {}

  bool ok() const { return ok_; }
  std::uint64_t position() const { return source_.position(); }
  std::uint64_t remaining() const {
    return source_.size() > position() ? source_.size() - position() : 0;
  }
  bool Seek(std::uint64_t position) { return ok_ = ok_ && source_.Seek(position); }
  bool Bytes(void* dst, std::size_t n) {
    if (ok_ && source_.Read(dst, n) != n) ok_ = false;
    return ok_;
  }
  std::uint32_t U32() {
    std::uint8_t b[4] = {};
    Bytes(b, 4);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::uint16_t U16() {
    std::uint8_t b[2] = {};
    Bytes(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::array<char, 4> Id() {
    std::array<char, 4> id{};
    Bytes(id.data(), 4);
    return id;
  }

 private:
  Source& source_;
  bool ok_ = true;
};

bool IsId(const std::array<char, 4>& id, const char* text) { return std::memcmp(id.data(), text, 4) == 0; }

const char* FormatTagName(std::uint16_t tag) {
  switch (tag) {
    case 1: return "WAVE_FORMAT_PCM\n";
    case 2: return "WAVE_FORMAT_ADPCM\n";
    case 5: return "WAVE_FORMAT_IBM_CVSD\n";
    case 6: return "WAVE_FORMAT_ALAW\n";
    case 7: return "WAVE_FORMAT_MULAW\n";
    case 0x10: return "WAVE_FORMAT_OKI_ADPCM";
    case 0x11: return "WAVE_FORMAT_DVI_ADPCM or WAVE_FORMAT_IMA_ADPCM\n";
    case 0x15: return "WAVE_FORMAT_DIGISTD\n";
    case 0x16: return "WAVE_FORMAT_DIGIFIX\n";
    case 0x20: return "WAVE_FORMAT_YAMAHA_ADPCM\n";
    case 0x21: return "WAVE_FORMAT_SONARC\n";
    case 0x22: return "WAVE_FORMAT_DSPGROUP_TRUESPEECH\n";
    case 0x23: return "WAVE_FORMAT_ECHOSC1\n";
    case 0x24: return "WAVE_FORMAT_AUDIOFILE_AF18\n";
    case 0x101: return "IBM_FORMAT_MULAW\n";
    case 0x102: return "IBM_FORMAT_ALAW\n";
    case 0x103: return "IBM_FORMAT_ADPCM\n";
    case 0x200: return "WAVE_FORMAT_CREATIVE_ADPCM\n";
    default: return "WAVE_FORMAT_UNKNOWN";
  }
}

// The fields of a "fmt " chunk; the reader is positioned after the chunk
// header. Fails on anything the encoder cannot take.
bool ReadFormatChunk(Reader& in, std::uint32_t chunk_size, SoundFormat& format,
                     std::uint16_t& format_tag) {
  Trace("Format Chunk\n");
  Trace("Common Fields:\n");
  if (chunk_size < 16) {
    TraceF("Format chunk of %u bytes too short\n", chunk_size);
    return false;
  }
  format_tag = in.U16();
  TraceF("  Format Tag %04lXh:", static_cast<unsigned long>(format_tag));
  Trace(FormatTagName(format_tag));
  const std::uint16_t channels = in.U16();
  TraceF("  %u Channels\n", channels);
  if (channels < 1 || channels > 2) {
    TraceF("%u channels unsupported\n", channels);
    return false;
  }
  format.stereo = channels == 2;
  const std::uint32_t rate = in.U32();
  TraceF("  %u Samples Per Second\n", rate);
  switch (rate / 5000) {
    case 1: format.rate_code = 0; break;
    case 2: format.rate_code = 1; break;
    case 4: format.rate_code = 2; break;
    case 8: format.rate_code = 3; break;
    default:
      TraceF("Sample rate %d unsupported\n", static_cast<int>(rate));
      return false;
  }
  TraceF("  %u Average Bytes Per Second\n", in.U32());
  const std::uint16_t block_align = in.U16();
  TraceF("  Block Align %u\n", block_align);
  Trace("Format Specific Fields:\n");
  const std::uint16_t bits = in.U16();
  TraceF("  %u Bits Per Sample\n", bits);
  if (bits == 8) {
    format.sixteen_bit = false;
  } else if (bits == 16) {
    format.sixteen_bit = true;
  } else {
    TraceF("%u bits per sample unsupported\n", bits);
    return false;
  }
  if (block_align == 0) {
    Trace("Block align 0 unsupported\n");
    return false;
  }
  if (format_tag != kFormatPcm) {
    const std::uint16_t extra = chunk_size >= 18 ? in.U16() : 0;
    TraceF("  %d Bytes of extra information\n", extra);
    // WAVE_FORMAT_EXTENSIBLE is plain PCM when its sub-format says so.
    std::array<std::uint8_t, 22> ext{};  // valid bits, channel mask, sub-format
    if (format_tag == kFormatExtensible && extra >= 22 && chunk_size >= 40 && in.Bytes(ext.data(), ext.size()) &&
        std::equal(kPcmSubFormat.begin(), kPcmSubFormat.end(), ext.begin() + 6)) {
      return in.ok();
    }
    Trace("  NOT YET SUPPORTED\n");
    return false;
  }
  return in.ok();
}

bool Read(Source& source, SoundFormat& format, std::vector<std::uint8_t>& samples) {
  samples.clear();
  format = SoundFormat{};
  format.format = 1;
  Reader in(source);
  if (!in.Seek(0) || !IsId(in.Id(), "RIFF") || !in.ok()) {
    Trace("Not a RIFF format file\n");
    return false;
  }
  const std::uint64_t end = std::uint64_t{8} + in.U32();
  if (!IsId(in.Id(), "WAVE") || !in.ok()) {
    Trace("Not a WAVE file\n");
    return false;
  }
  std::uint64_t position = in.position();
  if (position >= end) return false;

  std::uint16_t format_tag = 0;
  for (;;) {
    if (!in.Seek(position)) return false;
    const auto id = in.Id();
    const std::uint32_t size = in.U32();
    if (!in.ok()) return false;
    // RIFF chunks of odd size are followed by a pad byte.
    const std::uint64_t next = in.position() + size + (size & 1u);
    std::uint32_t id_number = 0;
    std::memcpy(&id_number, id.data(), 4);
    TraceF("\n----- Chunk ID %lx, Size %ld -----\n", static_cast<unsigned long>(id_number),
           static_cast<long>(size));

    if (IsId(id, "data")) {
      Trace("Data Chunk\n");
      if (format_tag == 0) {
        Trace("Warning Format Chunk not defined before Data Chunk\n");
        return false;
      }
      const auto frame_bytes = static_cast<std::uint32_t>(format.bytes_per_sample() * format.channels());
      format.sample_count = size / frame_bytes;
      // Never allocate more than the file can still deliver.
      if (size > in.remaining()) {
        TraceF("Warning Read %d of %d bytes\n", static_cast<int>(in.remaining()), static_cast<int>(size));
        return false;
      }
      samples.resize(size);
      if (!in.Bytes(samples.data(), size)) {
        samples.clear();
        samples.shrink_to_fit();
        return false;
      }
      return true;
    }
    if (IsId(id, "fmt ")) {
      if (!ReadFormatChunk(in, size, format, format_tag)) return false;
    } else {
      Trace("Unknown Chunk\n");
    }
    if (next >= end) return false;
    position = next;
  }
}

}  // namespace

bool ReadWave(std::FILE* file, SoundFormat& format, std::vector<std::uint8_t>& samples) {
  if (file == nullptr) {
    samples.clear();
    format = SoundFormat{};
    return false;
  }
  FileSource source(file);
  return Read(source, format, samples);
}

bool ReadWave(std::span<const std::uint8_t> file, SoundFormat& format, std::vector<std::uint8_t>& samples) {
  MemorySource source(file);
  return Read(source, format, samples);
}

}  // namespace vectrel
