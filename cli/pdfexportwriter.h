#pragma once

#include <QString>

class HeadlessProject;
struct ExportOptions;

// The cover page and the list pages of the chosen list in one PDF file.
bool writePdfExport(HeadlessProject &project, const ExportOptions &options, QString *error);
