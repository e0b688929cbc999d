#pragma once

#include <QCoreApplication>

#include <memory>

// The application object of one run. Printed formats need fonts and paint
// devices: they get a GUI application on the offscreen platform, so no display
// is needed; everything else runs on the plain core application.
std::unique_ptr<QCoreApplication> makeCliApplication(int &argc, char **argv, bool needsFonts);
