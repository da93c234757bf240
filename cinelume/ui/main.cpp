// cinelume: the editor. Without windows yet it offers the export of a
// project to a movie, for users and scripts:
//   cinelume --export PROJECT.kvx OUT.swf
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "cinelume/document/error_box.h"
#include "cinelume/document/global_unit.h"
#include "cinelume/document/headless_export.h"
#include "platform/module_path.h"

namespace {

// Messages of the error box as lines on stderr; the export goes on.
class StderrErrorBox : public cinelume::IErrorBox {
 public:
  void ShowError(const std::string& message) override { std::fprintf(stderr, "cinelume: %s\n", message.c_str()); }
};

// Qt's own chatter (missing runtime folders and the like) would break the
// one-line error contract of the export; only its serious messages pass.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "cinelume: %s\n", qPrintable(message));
}

int Usage() {
  std::fprintf(stderr, "usage: cinelume --export PROJECT.kvx OUT.swf\n");
  return 2;
}

std::string ProgramDir() {
  static const int anchor = 0;
  if (auto path = platform::ModulePathOf(&anchor)) return path->parent_path().string();
  return ".";
}

// One line, whatever the message holds.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::string(argv[1]) != "--export") return Usage();
  // No display is needed: the player draws off screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  QGuiApplication app(argc, argv);
  try {
    cinelume::TGlobalVars globals;
    cinelume::InitGlobalVars(globals, ProgramDir());
    cinelume::CreateAutomationObjects(globals);
    StderrErrorBox messages;
    cinelume::ExportProject(globals, argv[2], argv[3], messages);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cinelume: %s\n", OneLine(e.what()).c_str());
    return 1;
  }
  return 0;
}
