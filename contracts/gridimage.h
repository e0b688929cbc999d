#pragma once

#include <QByteArray>
#include <QString>

// One entry of a grid's image list: the file it came from and its bytes, which
// views and exporters decode themselves.
struct GridImage {
    QString path;
    QByteArray data;

    bool operator==(const GridImage &) const = default;
};
