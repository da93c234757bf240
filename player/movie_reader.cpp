#include "player/movie_reader.h"

#include <algorithm>
#include <fstream>

#include "player/bit_reader.h"
#include "player/bitmap.h"
#include "player/bitmap_decoder.h"
#include "player/button.h"
#include "player/edit_text.h"
#include "player/font.h"
#include "player/primitives.h"
#include "player/shape.h"
#include "player/shape_paths.h"
#include "player/shape_reader.h"
#include "player/sound.h"
#include "player/sprite.h"
#include "player/text.h"

namespace swfplayer {
namespace {

// Sprites inside sprites are not allowed by the format; a few levels are
// read anyway, more are skipped.
constexpr int kMaxSpriteNesting = 4;

std::vector<std::uint8_t> ToVector(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

QPainterPath GlyphPath(std::span<const std::uint8_t> data) {
  BitReader in(data);
  return BuildFillOutline(ReadGlyphShape(in));
}

class TagParser {
 public:
  explicit TagParser(Movie& movie) : movie_(movie) {}

  // Reads tags into `frames` until End or the end of the data.
  void ReadTags(BitReader& in, FrameList& frames, int nesting);

 private:
  void ReadTag(int code, std::span<const std::uint8_t> body, FrameList& frames, int& frame, int nesting);
  Frame& Current(FrameList& frames, int frame);

  void DefineShape(BitReader& in, int version);
  void DefineBits(BitReader& in, int code);
  void DefineFont(BitReader& in);
  void DefineFont23(BitReader& in, bool font3);
  void DefineFontInfo(BitReader& in, bool info2);
  void DefineText(BitReader& in, bool text2);
  void DefineEditText(BitReader& in);
  void DefineButton(BitReader& in);
  void DefineButton2(BitReader& in);
  void DefineSound(BitReader& in);
  void DefineSprite(BitReader& in, int nesting);
  static PlaceCommand PlaceObject(BitReader& in);
  static PlaceCommand PlaceObject2(BitReader& in, bool version3);
  static SoundStart StartSound(BitReader& in);

  Movie& movie_;
  std::vector<std::uint8_t> jpeg_tables_;
};

Frame& TagParser::Current(FrameList& frames, int frame) {
  if (static_cast<int>(frames.frames.size()) <= frame) frames.frames.resize(frame + 1);
  return frames.frames[frame];
}

void TagParser::ReadTags(BitReader& in, FrameList& frames, int nesting) {
  int frame = 0;
  bool ended = false;
  while (!in.at_end()) {
    const std::uint16_t head = in.ReadU16();
    const int code = head >> 6;
    std::size_t length = head & 0x3F;
    if (length == 0x3F) length = in.ReadU32();
    if (in.overrun()) {
      movie_.damaged = true;
      break;
    }
    if (length > in.remaining()) movie_.damaged = true;  // cut: read what is there
    const auto body = in.ReadBytes(length);
    if (code == 0) {
      ended = true;
      break;
    }
    if (code == 1) {
      ++frame;
      // Frames past the declared count are never shown.
      if (frame >= frames.frame_count) {
        ended = true;
        break;
      }
      continue;
    }
    if (frame < frames.frame_count) ReadTag(code, body, frames, frame, nesting);
  }
  if (!ended) movie_.damaged = true;
}

void TagParser::ReadTag(int code, std::span<const std::uint8_t> body, FrameList& frames, int& frame, int nesting) {
  BitReader in(body);
  switch (code) {
    case 2: DefineShape(in, 1); break;
    case 22: DefineShape(in, 2); break;
    case 32: DefineShape(in, 3); break;
    case 83: DefineShape(in, 4); break;
    case 4: {
      DisplayCommand command;
      command.place = PlaceObject(in);
      Current(frames, frame).commands.push_back(std::move(command));
      break;
    }
    case 26:
    case 70: {
      DisplayCommand command;
      command.place = PlaceObject2(in, code == 70);
      Current(frames, frame).commands.push_back(std::move(command));
      break;
    }
    case 5:
    case 28: {
      DisplayCommand command;
      command.kind = DisplayCommand::Kind::kRemove;
      if (code == 5) in.ReadU16();  // character id
      command.place.depth = in.ReadU16();
      Current(frames, frame).commands.push_back(std::move(command));
      break;
    }
    case 9: Current(frames, frame).background = ReadRgb(in); break;
    case 12: Current(frames, frame).actions.push_back(ReadActions(body)); break;
    case 15: Current(frames, frame).sounds.push_back(StartSound(in)); break;
    case 43: Current(frames, frame).label = in.ReadString(); break;
    case 6:
    case 21:
    case 35:
    case 20:
    case 36: DefineBits(in, code); break;
    case 8: jpeg_tables_ = ToVector(body); break;
    case 10: DefineFont(in); break;
    case 48: DefineFont23(in, false); break;
    case 75: DefineFont23(in, true); break;
    case 13: DefineFontInfo(in, false); break;
    case 62: DefineFontInfo(in, true); break;
    case 11: DefineText(in, false); break;
    case 33: DefineText(in, true); break;
    case 37: DefineEditText(in); break;
    case 7: DefineButton(in); break;
    case 34: DefineButton2(in); break;
    case 14: DefineSound(in); break;
    case 39:
      if (nesting < kMaxSpriteNesting) DefineSprite(in, nesting + 1);
      break;
    default: break;  // skipped by its length
  }
}

void TagParser::DefineShape(BitReader& in, int version) {
  const std::uint16_t id = in.ReadU16();
  const SwfRect bounds = ReadRect(in);
  if (version == 4) {
    ReadRect(in);  // edge bounds
    in.ReadU8();   // flags
  }
  ShapeGeometry geometry = ReadShapeWithStyle(in, version);
  if (in.overrun()) movie_.damaged = true;
  movie_.Define(std::make_unique<ShapeCharacter>(id, bounds, std::move(geometry)));
}

void TagParser::DefineBits(BitReader& in, int code) {
  const std::uint16_t id = in.ReadU16();
  const auto rest = in.ReadBytes(in.remaining());
  std::vector<std::uint8_t> data;
  BitmapCharacter::Encoding encoding = BitmapCharacter::Encoding::kJpeg;
  switch (code) {
    case 6:
      data = jpeg_tables_;
      data.insert(data.end(), rest.begin(), rest.end());
      break;
    case 21: data = ToVector(rest); break;
    case 35:
      data = ToVector(rest);
      encoding = BitmapCharacter::Encoding::kJpegWithAlpha;
      break;
    case 20:
      data = ToVector(rest);
      encoding = BitmapCharacter::Encoding::kLossless;
      break;
    default:
      data = ToVector(rest);
      encoding = BitmapCharacter::Encoding::kLosslessAlpha;
      break;
  }
  movie_.Define(std::make_unique<BitmapCharacter>(id, encoding, std::move(data)));
}

void TagParser::DefineFont(BitReader& in) {
  const std::uint16_t id = in.ReadU16();
  const auto table = in.data().subspan(in.position());
  BitReader offsets(table);
  const std::uint16_t first = offsets.ReadU16();
  const std::size_t count = std::min<std::size_t>(first / 2, table.size() / 2);
  std::vector<std::size_t> starts{first};
  for (std::size_t i = 1; i < count; ++i) starts.push_back(offsets.ReadU16());
  std::vector<QPainterPath> glyphs;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t begin = std::min(starts[i], table.size());
    const std::size_t end = i + 1 < count ? std::clamp(starts[i + 1], begin, table.size()) : table.size();
    glyphs.push_back(GlyphPath(table.subspan(begin, end - begin)));
  }
  movie_.Define(std::make_unique<FontCharacter>(id, std::move(glyphs), 1024.0));
}

void TagParser::DefineFont23(BitReader& in, bool font3) {
  const std::uint16_t id = in.ReadU16();
  const int flags = in.ReadU8();
  const bool wide_offsets = flags & 0x08;
  const bool wide_codes = flags & 0x04;
  in.ReadU8();  // language
  const auto name_bytes = in.ReadBytes(in.ReadU8());
  std::string name(name_bytes.begin(), name_bytes.end());
  if (!name.empty() && name.back() == '\0') name.pop_back();
  const std::size_t width = wide_offsets ? 4 : 2;
  const std::size_t count = std::min<std::size_t>(in.ReadU16(), in.remaining() / width);
  const std::size_t base = in.position();
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i <= count; ++i) starts.push_back(wide_offsets ? in.ReadU32() : in.ReadU16());
  const auto data = in.data();
  std::vector<QPainterPath> glyphs;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t begin = std::min(base + starts[i], data.size());
    const std::size_t end = std::clamp(base + starts[i + 1], begin, data.size());
    glyphs.push_back(GlyphPath(data.subspan(begin, end - begin)));
  }
  in.Seek(base + starts[count]);
  std::vector<std::uint16_t> codes;
  for (std::size_t i = 0; i < count && !in.overrun(); ++i) codes.push_back(wide_codes ? in.ReadU16() : in.ReadU8());
  auto font = std::make_unique<FontCharacter>(id, std::move(glyphs), font3 ? 20480.0 : 1024.0);
  font->SetInfo(std::move(name), flags & 0x01, flags & 0x02, std::move(codes));
  movie_.Define(std::move(font));
}

void TagParser::DefineFontInfo(BitReader& in, bool info2) {
  const std::uint16_t id = in.ReadU16();
  const auto name_bytes = in.ReadBytes(in.ReadU8());
  const int flags = in.ReadU8();
  if (info2) in.ReadU8();  // language
  const bool wide = flags & 0x01;
  std::vector<std::uint16_t> codes;
  while (in.remaining() >= (wide ? 2u : 1u)) codes.push_back(wide ? in.ReadU16() : in.ReadU8());
  Character* c = movie_.FindMutable(id);
  if (c == nullptr || c->kind() != CharacterKind::kFont) return;
  static_cast<FontCharacter*>(c)->SetInfo(std::string(name_bytes.begin(), name_bytes.end()), flags & 0x02,
                                          flags & 0x04, std::move(codes));
}

void TagParser::DefineText(BitReader& in, bool text2) {
  const std::uint16_t id = in.ReadU16();
  const SwfRect bounds = ReadRect(in);
  const QTransform matrix = ReadMatrix(in);
  const int glyph_bits = std::min<int>(in.ReadU8(), 32);
  const int advance_bits = std::min<int>(in.ReadU8(), 32);
  std::vector<TextRun> runs;
  TextRun style;
  style.color = Rgba{0, 0, 0, 255};
  int x = 0;
  while (!in.overrun() && !in.at_end()) {
    const int flags = in.ReadU8();
    if (flags == 0) break;
    int count = 0;
    if (flags & 0x80) {
      if (flags & 0x08) style.font_id = in.ReadU16();
      if (flags & 0x04) style.color = text2 ? ReadRgba(in) : ReadRgb(in);
      if (flags & 0x01) x = in.ReadS16();
      if (flags & 0x02) style.y = in.ReadS16();
      if (flags & 0x08) style.height = in.ReadU16();
      count = in.ReadU8();
    } else {
      count = flags & 0x7F;  // glyph record of the two-kind layout
    }
    TextRun run = style;
    run.glyphs.clear();
    for (int i = 0; i < count && !in.overrun(); ++i) {
      TextRun::Glyph glyph;
      glyph.index = static_cast<int>(in.ReadUBits(glyph_bits));
      glyph.x = x;
      x += in.ReadSBits(advance_bits);
      run.glyphs.push_back(glyph);
    }
    in.Align();
    if (!run.glyphs.empty()) runs.push_back(std::move(run));
  }
  movie_.Define(std::make_unique<TextCharacter>(id, bounds, matrix, std::move(runs)));
}

void TagParser::DefineEditText(BitReader& in) {
  const std::uint16_t id = in.ReadU16();
  EditTextProperties p;
  p.bounds = ReadRect(in);
  const int f1 = in.ReadU8();
  const int f2 = in.ReadU8();
  const bool has_text = f1 & 0x80;
  p.word_wrap = f1 & 0x40;
  p.multiline = f1 & 0x20;
  p.password = f1 & 0x10;
  const bool has_color = f1 & 0x04;
  const bool has_max_length = f1 & 0x02;
  p.has_font = f1 & 0x01;
  const bool has_font_class = f2 & 0x80;
  const bool has_layout = f2 & 0x20;
  p.border = f2 & 0x08;
  p.html = f2 & 0x02;
  if (p.has_font) p.font_id = in.ReadU16();
  if (has_font_class) in.ReadString();
  if (p.has_font || has_font_class) p.font_height = in.ReadU16();
  if (has_color) p.color = ReadRgba(in);
  if (has_max_length) in.ReadU16();
  if (has_layout) {
    p.align = in.ReadU8();
    p.left_margin = in.ReadU16();
    p.right_margin = in.ReadU16();
    p.indent = in.ReadU16();
    p.leading = in.ReadS16();
  }
  p.variable = in.ReadString();
  if (has_text) p.text = in.ReadString();
  movie_.Define(std::make_unique<EditTextCharacter>(id, std::move(p)));
}

namespace {
// The part of a BUTTONRECORD both button tags share, after its flags byte.
ButtonRecord ReadButtonRecord(BitReader& in, int flags) {
  ButtonRecord r;
  r.hit_test = flags & 0x08;
  r.down = flags & 0x04;
  r.over = flags & 0x02;
  r.up = flags & 0x01;
  r.character = in.ReadU16();
  r.depth = in.ReadU16();
  r.matrix = ReadMatrix(in);
  return r;
}
}  // namespace

void TagParser::DefineButton(BitReader& in) {
  const std::uint16_t id = in.ReadU16();
  std::vector<ButtonRecord> records;
  while (!in.overrun()) {
    const int flags = in.ReadU8();
    if (flags == 0) break;
    ButtonRecord r = ReadButtonRecord(in, flags);
    if (!in.overrun()) records.push_back(r);
  }
  std::vector<ButtonCondActions> actions;
  actions.push_back({kCondOverDownToOverUp, ReadActions(in.ReadBytes(in.remaining()))});
  movie_.Define(std::make_unique<ButtonCharacter>(id, false, std::move(records), std::move(actions)));
}

void TagParser::DefineButton2(BitReader& in) {
  const std::uint16_t id = in.ReadU16();
  const bool track_as_menu = in.ReadU8() & 1;
  const std::size_t offset_field = in.position();
  const std::uint16_t action_offset = in.ReadU16();
  std::vector<ButtonRecord> records;
  while (!in.overrun()) {
    const int flags = in.ReadU8();
    if (flags == 0) break;
    ButtonRecord r = ReadButtonRecord(in, flags);
    r.color = ReadColorTransform(in, true);
    if (flags & 0x10) break;  // filter lists are not read; the records end here
    if (flags & 0x20) in.ReadU8();  // blend mode
    if (!in.overrun()) records.push_back(r);
  }
  std::vector<ButtonCondActions> actions;
  if (action_offset != 0) {
    std::size_t at = offset_field + action_offset;
    const std::size_t end = in.data().size();
    while (at + 4 <= end) {
      in.Seek(at);
      const std::uint16_t size = in.ReadU16();
      const std::uint16_t conditions = in.ReadU16();
      const std::size_t stop = size == 0 ? end : std::min(end, at + size);
      actions.push_back({conditions, ReadActions(in.data().subspan(at + 4, stop > at + 4 ? stop - at - 4 : 0))});
      if (size < 4) break;
      at += size;
    }
  }
  movie_.Define(std::make_unique<ButtonCharacter>(id, track_as_menu, std::move(records), std::move(actions)));
}

void TagParser::DefineSound(BitReader& in) {
  const std::uint16_t id = in.ReadU16();
  const int format = static_cast<int>(in.ReadUBits(4));
  const int rate = static_cast<int>(in.ReadUBits(2));
  const bool sixteen = in.ReadUBits(1);
  const bool stereo = in.ReadUBits(1);
  const std::uint32_t count = in.ReadU32();
  movie_.Define(std::make_unique<SoundCharacter>(id, format, rate, sixteen, stereo, count,
                                                 ToVector(in.ReadBytes(in.remaining()))));
}

void TagParser::DefineSprite(BitReader& in, int nesting) {
  const std::uint16_t id = in.ReadU16();
  FrameList frames;
  frames.frame_count = std::max<int>(1, in.ReadU16());
  ReadTags(in, frames, nesting);
  movie_.Define(std::make_unique<SpriteCharacter>(id, std::move(frames)));
}

PlaceCommand TagParser::PlaceObject(BitReader& in) {
  PlaceCommand p;
  p.character = in.ReadU16();
  p.depth = in.ReadU16();
  p.matrix = ReadMatrix(in);
  if (!in.at_end()) p.color = ReadColorTransform(in, false);
  return p;
}

PlaceCommand TagParser::PlaceObject2(BitReader& in, bool version3) {
  PlaceCommand p;
  const int flags = in.ReadU8();
  int flags2 = 0;
  if (version3) flags2 = in.ReadU8();
  p.move = flags & 0x01;
  p.depth = in.ReadU16();
  if (version3 && ((flags2 & 0x08) || ((flags2 & 0x10) && (flags & 0x02)))) in.ReadString();  // class name
  if (flags & 0x02) p.character = in.ReadU16();
  if (flags & 0x04) p.matrix = ReadMatrix(in);
  if (flags & 0x08) p.color = ReadColorTransform(in, true);
  if (flags & 0x10) p.ratio = in.ReadU16();
  if (flags & 0x20) p.name = in.ReadString();
  if (flags & 0x40) p.clip_depth = in.ReadU16();
  return p;
}

SoundStart TagParser::StartSound(BitReader& in) {
  SoundStart s;
  s.sound_id = in.ReadU16();
  const int flags = in.ReadU8();
  s.stop = flags & 0x20;
  s.no_multiple = flags & 0x10;
  if (flags & 0x01) in.ReadU32();
  if (flags & 0x02) in.ReadU32();
  if (flags & 0x04) s.loops = std::max<int>(1, in.ReadU16());
  return s;
}

}  // namespace

std::unique_ptr<Movie> ReadMovie(std::span<const std::uint8_t> file, std::string* error) {
  auto fail = [error](const char* message) -> std::unique_ptr<Movie> {
    if (error) *error = message;
    return nullptr;
  };
  if (file.size() < 8) return fail("not an SWF file (too short)");
  const bool compressed = file[0] == 'C';
  if (file[0] == 'Z' && file[1] == 'W' && file[2] == 'S') return fail("LZMA-compressed SWF files are not supported");
  if (!(file[0] == 'F' || compressed) || file[1] != 'W' || file[2] != 'S') return fail("not an SWF file");
  auto movie = std::make_unique<Movie>();
  movie->version = file[3];
  movie->compressed = compressed;
  const std::uint32_t declared = file[4] | (file[5] << 8) | (file[6] << 16) | (static_cast<std::uint32_t>(file[7]) << 24);
  std::vector<std::uint8_t> inflated;
  std::span<const std::uint8_t> body;
  if (compressed) {
    const std::size_t wanted = declared > 8 ? std::min<std::size_t>(declared - 8, kMaxMovieBytes) : kMaxMovieBytes;
    inflated = Inflate(file.subspan(8), wanted);
    body = inflated;
    if (inflated.size() < wanted) movie->damaged = true;
  } else {
    const std::size_t end = declared > 8 && declared <= file.size() ? declared : file.size();
    if (declared > file.size()) movie->damaged = true;
    body = file.subspan(8, std::min(end, kMaxMovieBytes) - 8);
  }
  BitReader in(body);
  movie->stage = ReadRect(in);
  movie->frame_rate = in.ReadU16() / 256.0;
  movie->timeline.frame_count = std::max<int>(1, in.ReadU16());
  if (in.overrun()) return fail("not an SWF file (header cut short)");
  TagParser parser(*movie);
  parser.ReadTags(in, movie->timeline, 0);
  return movie;
}

std::unique_ptr<Movie> LoadMovieFile(const std::filesystem::path& path, std::string* error) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream) {
    if (error) *error = "cannot open " + path.string();
    return nullptr;
  }
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) {
    if (error) *error = "cannot read " + path.string();
    return nullptr;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxMovieBytes)));
  stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  return ReadMovie(bytes, error);
}

}  // namespace swfplayer
