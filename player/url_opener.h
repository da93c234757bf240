#pragma once

#include <QString>

namespace swfplayer {

// Where GetURL actions go.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual void Open(const QString& url, const QString& target) = 0;
};

// Only web pages and mail: every other scheme (file:, javascript:, ...) is
// refused before any opener sees it.
bool IsOpenableUrl(const QString& url);

// The desktop's browser or mail program.
class DesktopUrlOpener final : public UrlOpener {
 public:
  void Open(const QString& url, const QString& target) override;
};

}  // namespace swfplayer
