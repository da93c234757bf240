#include "player/frame_list.h"

#include <QString>

namespace swfplayer {

int FrameList::FindLabel(const std::string& label) const {
  const QString wanted = QString::fromStdString(label);
  for (std::size_t i = 0; i < frames.size(); ++i)
    if (!frames[i].label.empty() && QString::fromStdString(frames[i].label).compare(wanted, Qt::CaseInsensitive) == 0)
      return static_cast<int>(i);
  return -1;
}

}  // namespace swfplayer
