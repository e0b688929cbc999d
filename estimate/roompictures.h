#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class RoomTextPainter;

// The pictures that show room names in the table: one file per distinct name,
// numbered by a counter that lives for the whole run.
class RoomPictures {
public:
    // pictureFolder: where "Room%d.bmp" files go; backgroundPath: the picture the names are drawn on.
    RoomPictures(QString pictureFolder, QString backgroundPath, RoomTextPainter *painter = nullptr);

    // The file for a name that has no picture yet: the next counter value. Returns the
    // path written, or an empty text when no picture could be made (the name is still
    // remembered, so the room simply shows no picture).
    QString makePictureFor(const QString &name);
    bool hasPicture(const QString &name) const { return m_pictureNames.contains(name); }
    // The file made for name in this run, or an empty text.
    QString pathOf(const QString &name) const;

    const QStringList &pictureNames() const { return m_pictureNames; }
    int pictureCounter() const { return m_pictureCounter; }
    QString pictureFolder() const { return m_pictureFolder; }

    // Writes the name onto a copy of the background and saves it at path as a
    // 24/32-bit bitmap with no colour table. False when the background is missing or unusable.
    bool drawRoomPicture(const QString &name, const QString &path) const;

private:
    struct Background {
        QByteArray infoHeader;
        QByteArray pixels;
        int width = 0;
        int height = 0;
        int bitsPerPixel = 0;
    };
    static bool readBackground(const QString &path, Background &bg);

    QString m_pictureFolder;
    QString m_backgroundPath;
    RoomTextPainter *m_painter;
    QStringList m_pictureNames;
    QStringList m_picturePaths;
    int m_pictureCounter = 0;
    mutable std::optional<Background> m_background; // read on the first picture drawn
};
