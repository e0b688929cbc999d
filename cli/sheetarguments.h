#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// "IN -o OUT" of the spreadsheet commands, the option before or after the input.
struct SheetArguments {
    QString input;
    QString output;

    static std::optional<SheetArguments> parse(const QStringList &args);
};
