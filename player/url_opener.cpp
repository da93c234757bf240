#include "player/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace swfplayer {

bool IsOpenableUrl(const QString& url) {
  const QUrl parsed(url.trimmed(), QUrl::StrictMode);
  if (!parsed.isValid()) return false;
  const QString scheme = parsed.scheme().toLower();
  if (scheme == QLatin1String("mailto")) return !parsed.path().isEmpty();
  return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !parsed.host().isEmpty();
}

void DesktopUrlOpener::Open(const QString& url, const QString&) {
  if (IsOpenableUrl(url)) QDesktopServices::openUrl(QUrl(url.trimmed(), QUrl::StrictMode));
}

}  // namespace swfplayer
