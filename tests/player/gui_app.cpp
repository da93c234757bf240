#include "gui_app.h"

#include <QApplication>

namespace playertest {

void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "player_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace playertest
