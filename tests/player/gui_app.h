#pragma once

namespace playertest {
// A QApplication for the whole test process (fonts, image plug-ins and
// widgets need one); made on first use.
void EnsureGuiApplication();
}  // namespace playertest
