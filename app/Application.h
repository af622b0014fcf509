#pragma once

class QApplication;

namespace Application {
// Title, French locale and Qt's own French translations; call right after QApplication.
void setUp(QApplication &app);
} // namespace Application
