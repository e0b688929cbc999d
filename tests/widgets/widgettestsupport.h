#pragma once

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QImage>

// Widgets need one application object for the whole test program.
inline QApplication &testApplication()
{
    static int argc = 1;
    static char name[] = "widget_tests";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit it would outlive devices the test library already freed.
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

// PNG bytes of a plain picture, as an image-list entry would hold them.
inline QByteArray pngBytes(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
