#include "platform/font_matcher.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <mutex>

#include "platform/codepage.h"

namespace platform {
namespace {

std::mutex& FontconfigMutex() {
  static std::mutex mutex;
  return mutex;
}

FcConfig* Config() {
  static const bool initialised = FcInit() == FcTrue;
  return initialised ? FcConfigGetCurrent() : nullptr;
}

std::string ToLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Windows' Chinese face names. fontconfig's own rules send some of them to a
// Latin serif face when no language is asked for.
bool IsChineseFaceName(std::string_view family) {
  static const std::array<std::string_view, 16> kNames = {
      "simsun", "nsimsun", "simhei", "kaiti", "kaiti_gb2312", "fangsong", "fangsong_gb2312", "microsoft yahei",
      "宋体",   "新宋体",  "黑体",   "楷体",  "楷体_gb2312",  "仿宋",     "仿宋_gb2312",     "微软雅黑"};
  const std::string lower = ToLower(family);
  if (std::find(kNames.begin(), kNames.end(), lower) != kNames.end()) return true;
  // Any other name written with ideographs.
  for (std::size_t pos = 0; pos < family.size();) {
    const char32_t cp = CharacterCodePoint(family, pos, CodePage::kUtf8);
    if ((cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF)) return true;
    pos += CharacterLength(family, pos, CodePage::kUtf8);
  }
  return false;
}

std::string StringOf(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr) return {};
  return reinterpret_cast<const char*>(value);
}

bool IsTrueTypeOutline(FcPattern* pattern) {
  FcBool outline = FcFalse;
  if (FcPatternGetBool(pattern, FC_OUTLINE, 0, &outline) != FcResultMatch || outline != FcTrue) return false;
  return StringOf(pattern, FC_FONTFORMAT) == "TrueType";
}

}  // namespace

bool FaceCandidate::HasCharacter(char32_t code_point) const {
  if (!charset) return false;
  return FcCharSetHasChar(static_cast<const FcCharSet*>(charset.get()), code_point) == FcTrue;
}

std::vector<FaceCandidate> MatchFaces(std::string_view family) {
  std::lock_guard lock(FontconfigMutex());
  std::vector<FaceCandidate> result;
  FcConfig* config = Config();
  if (config == nullptr) return result;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return result;
  if (!family.empty()) {
    const std::string name(family);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  }
  FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
  FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  if (IsChineseFaceName(family)) {
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
  }
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult status = FcResultNoMatch;
  FcFontSet* sorted = FcFontSort(config, pattern, FcFalse, nullptr, &status);
  FcPatternDestroy(pattern);
  if (sorted == nullptr) return result;
  for (int i = 0; i < sorted->nfont; ++i) {
    FcPattern* font = sorted->fonts[i];
    FcBool outline = FcFalse;
    if (FcPatternGetBool(font, FC_OUTLINE, 0, &outline) != FcResultMatch || outline != FcTrue) continue;
    FaceCandidate candidate;
    candidate.location.file = StringOf(font, FC_FILE);
    if (candidate.location.file.empty()) continue;
    candidate.location.family = StringOf(font, FC_FAMILY);
    int index = 0;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    // The upper bits of a fontconfig index select a named instance of a
    // variable font; only plain faces are used here.
    if (index < 0 || index > 0xFFFF) continue;
    candidate.location.index = index;
    candidate.true_type = IsTrueTypeOutline(font);
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch && charset != nullptr) {
      candidate.charset = std::shared_ptr<const void>(FcCharSetCopy(charset), [](const void* p) {
        FcCharSetDestroy(static_cast<FcCharSet*>(const_cast<void*>(p)));
      });
    }
    result.push_back(std::move(candidate));
  }
  FcFontSetDestroy(sorted);
  return result;
}

std::vector<std::string> ListTrueTypeFamilies() {
  std::lock_guard lock(FontconfigMutex());
  std::vector<std::string> families;
  FcConfig* config = Config();
  if (config == nullptr) return families;
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_OUTLINE, FC_FONTFORMAT, nullptr);
  FcFontSet* fonts = pattern != nullptr && objects != nullptr ? FcFontList(config, pattern, objects) : nullptr;
  if (fonts != nullptr) {
    for (int i = 0; i < fonts->nfont; ++i) {
      if (!IsTrueTypeOutline(fonts->fonts[i])) continue;
      std::string family = StringOf(fonts->fonts[i], FC_FAMILY);
      if (!family.empty()) families.push_back(std::move(family));
    }
    FcFontSetDestroy(fonts);
  }
  if (objects != nullptr) FcObjectSetDestroy(objects);
  if (pattern != nullptr) FcPatternDestroy(pattern);
  std::sort(families.begin(), families.end());
  families.erase(std::unique(families.begin(), families.end()), families.end());
  return families;
}

}  // namespace platform
