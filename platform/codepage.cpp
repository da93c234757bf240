#include "platform/codepage.h"

#include <iconv.h>

#include <array>
#include <cctype>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// Decoding and encoding tables of a legacy code page, built once from glibc's
// iconv. Lookups then need no converter state and no locking.
struct LegacyTables {
  std::array<char32_t, 256> single{};  // 0 = not a character on its own (except byte 0)
  std::vector<char32_t> pairs;         // GBK only: indexed by lead * 256 + trail; 0 = invalid
  std::vector<std::uint16_t> encode;   // BMP code point -> byte, or lead * 256 + trail; 0 = none
};

bool IsGbkLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsGbkTrail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// One character through iconv, or 0 when iconv rejects the bytes.
char32_t DecodeOne(iconv_t cd, const unsigned char* bytes, std::size_t count) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char in[4] = {};
  for (std::size_t i = 0; i < count; ++i) in[i] = static_cast<char>(bytes[i]);
  unsigned char out[8] = {};
  char* inp = in;
  std::size_t inleft = count;
  char* outp = reinterpret_cast<char*>(out);
  std::size_t outleft = sizeof out;
  if (iconv(cd, &inp, &inleft, &outp, &outleft) == static_cast<std::size_t>(-1) || inleft != 0 ||
      sizeof out - outleft != 4) {
    return 0;
  }
  return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | static_cast<std::uint32_t>(out[3]) << 24);
}

void AddEncoding(LegacyTables& t, char32_t cp, std::uint16_t bytes) {
  // The first (single-byte) form wins, as Windows writes the euro sign as 0x80 in GBK.
  if (cp != 0 && cp < 0x10000 && t.encode[cp] == 0) t.encode[cp] = bytes;
}

LegacyTables BuildWindows1252() {
  LegacyTables t;
  t.encode.assign(0x10000, 0);
  for (unsigned b = 0; b < 0x80; ++b) t.single[b] = b;
  iconv_t cd = iconv_open("UTF-32LE", "CP1252");
  for (unsigned b = 0x80; b < 0x100; ++b) {
    const unsigned char byte = static_cast<unsigned char>(b);
    char32_t cp = cd == reinterpret_cast<iconv_t>(-1) ? 0 : DecodeOne(cd, &byte, 1);
    // Windows maps its five unassigned bytes to the C1 controls of the same
    // value, both ways, so every byte survives a round trip; glibc rejects them.
    if (cp == 0 && (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)) cp = b;
    t.single[b] = cp;
  }
  if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  for (unsigned b = 1; b < 0x100; ++b) AddEncoding(t, t.single[b], static_cast<std::uint16_t>(b));
  return t;
}

LegacyTables BuildGbk() {
  LegacyTables t;
  t.encode.assign(0x10000, 0);
  t.pairs.assign(0x10000, 0);
  for (unsigned b = 0; b < 0x80; ++b) t.single[b] = b;
  t.single[0x80] = U'\u20AC';
  t.single[0xFF] = U'\uF8F5';  // Windows' private-use value; glibc rejects the byte
  for (unsigned b = 1; b < 0x100; ++b) AddEncoding(t, t.single[b], static_cast<std::uint16_t>(b));
  iconv_t cd = iconv_open("UTF-32LE", "CP936");
  if (cd == reinterpret_cast<iconv_t>(-1)) return t;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const unsigned char pair[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
      const char32_t cp = DecodeOne(cd, pair, 2);
      const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
      t.pairs[code] = cp;
      AddEncoding(t, cp, code);
    }
  }
  iconv_close(cd);
  return t;
}

const LegacyTables& Windows1252() {
  static const LegacyTables tables = BuildWindows1252();
  return tables;
}

const LegacyTables& Gbk() {
  static const LegacyTables tables = BuildGbk();
  return tables;
}

struct Decoded {
  std::size_t length;
  char32_t code_point;
};

bool InRange(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

Decoded DecodeUtf8(std::string_view s, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[pos + i]); };
  const std::size_t left = s.size() - pos;
  const unsigned char b0 = at(0);
  if (b0 < 0x80) return {1, b0};
  std::size_t need = 0;
  unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  char32_t cp = 0;
  if (InRange(b0, 0xC2, 0xDF)) {
    need = 1;
    cp = b0 & 0x1F;
  } else if (InRange(b0, 0xE0, 0xEF)) {
    need = 2;
    cp = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (InRange(b0, 0xF0, 0xF4)) {
    need = 3;
    cp = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return {1, kReplacementCodePoint};
  }
  if (left < need + 1) return {1, kReplacementCodePoint};
  for (std::size_t i = 1; i <= need; ++i) {
    const unsigned char b = at(i);
    if (i == 1 ? !InRange(b, lo, hi) : !InRange(b, 0x80, 0xBF)) return {1, kReplacementCodePoint};
    cp = cp << 6 | (b & 0x3F);
  }
  return {need + 1, cp};
}

Decoded DecodeAt(std::string_view s, std::size_t pos, CodePage page) {
  if (pos >= s.size()) return {0, 0};
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) return {1, b0};
  switch (page) {
    case CodePage::kUtf8:
      return DecodeUtf8(s, pos);
    case CodePage::kWindows1252: {
      const char32_t cp = Windows1252().single[b0];
      return {1, cp == 0 ? kReplacementCodePoint : cp};
    }
    case CodePage::kGbk: {
      const LegacyTables& t = Gbk();
      if (IsGbkLead(b0) && pos + 1 < s.size() && IsGbkTrail(static_cast<unsigned char>(s[pos + 1]))) {
        const char32_t cp = t.pairs[b0 << 8 | static_cast<unsigned char>(s[pos + 1])];
        return {2, cp == 0 ? kReplacementCodePoint : cp};
      }
      const char32_t cp = t.single[b0];
      return {1, cp == 0 ? kReplacementCodePoint : cp};
    }
  }
  return {1, kReplacementCodePoint};
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | cp >> 6));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | cp >> 12));
    out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | cp >> 18));
    out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::optional<CodePage> CodePageFromName(std::string_view name) {
  const std::string n = Upper(name);
  if (n == "65001" || n == "CP65001" || n == "UTF-8" || n == "UTF8") return CodePage::kUtf8;
  if (n == "1252" || n == "CP1252" || n == "WINDOWS-1252") return CodePage::kWindows1252;
  if (n == "936" || n == "CP936" || n == "GBK") return CodePage::kGbk;
  return std::nullopt;
}

CodePage ActiveCodePage() {
  const char* value = std::getenv("VECTREL_CODEPAGE");
  if (value == nullptr) return CodePage::kUtf8;
  return CodePageFromName(value).value_or(CodePage::kUtf8);
}

std::string WideToAnsi(std::u16string_view wide, CodePage page) {
  std::string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t cp = wide[i];
    if (cp >= 0xD800 && cp <= 0xDFFF) {
      const bool pair = cp <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
      if (!pair) {
        out.push_back('?');
        continue;
      }
      cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    if (page == CodePage::kUtf8) {
      AppendUtf8(out, cp);
      continue;
    }
    const LegacyTables& t = page == CodePage::kGbk ? Gbk() : Windows1252();
    const std::uint16_t bytes = cp < 0x10000 ? t.encode[cp] : 0;
    if (bytes == 0) {
      out.push_back('?');
    } else if (bytes < 0x100) {
      out.push_back(static_cast<char>(bytes));
    } else {
      out.push_back(static_cast<char>(bytes >> 8));
      out.push_back(static_cast<char>(bytes & 0xFF));
    }
  }
  return out;
}

std::u16string AnsiToWide(std::string_view ansi, CodePage page) {
  std::u16string out;
  out.reserve(ansi.size());
  for (std::size_t pos = 0; pos < ansi.size();) {
    const Decoded d = DecodeAt(ansi, pos, page);
    AppendUtf16(out, d.code_point);
    pos += d.length;
  }
  return out;
}

std::string AnsiToUtf8(std::string_view ansi, CodePage page) {
  std::string out;
  out.reserve(ansi.size());
  for (std::size_t pos = 0; pos < ansi.size();) {
    const Decoded d = DecodeAt(ansi, pos, page);
    AppendUtf8(out, d.code_point);
    pos += d.length;
  }
  return out;
}

std::size_t CharacterLength(std::string_view ansi, std::size_t pos, CodePage page) {
  return DecodeAt(ansi, pos, page).length;
}

char32_t CharacterCodePoint(std::string_view ansi, std::size_t pos, CodePage page) {
  return DecodeAt(ansi, pos, page).code_point;
}

std::uint32_t CharacterCode(std::string_view ansi, std::size_t pos, CodePage page) {
  const std::size_t length = DecodeAt(ansi, pos, page).length;
  std::uint32_t code = 0;
  for (std::size_t i = 0; i < length; ++i) code = code << 8 | static_cast<unsigned char>(ansi[pos + i]);
  return code;
}

char32_t CodePointOfCode(std::uint32_t code, CodePage page) {
  char bytes[4];
  std::size_t count = 0;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto b = static_cast<char>(code >> shift & 0xFF);
    if (count > 0 || b != 0 || shift == 0) bytes[count++] = b;
  }
  const std::string_view whole(bytes, count);
  const Decoded d = DecodeAt(whole, 0, page);
  if (d.length == count) return d.code_point;
  return DecodeAt(whole.substr(count - 1), 0, page).code_point;
}

}  // namespace platform
