#pragma once

#include <QStringList>

#include <optional>

// The arguments shared by the template commands: file paths, "--user NAME"
// and, where allowed, "--lock".
struct TemplateArguments {
    QStringList paths;
    QString user;
    bool lock = false;

    // Nothing when an option is unknown or incomplete or the path count is not `pathCount`.
    static std::optional<TemplateArguments> parse(const QStringList &args, int pathCount, bool lockAllowed);
};
