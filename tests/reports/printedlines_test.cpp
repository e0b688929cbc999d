#include "reports/print/printedlines.h"
#include "reports/print/printfonts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int DeviceDpi = 600; // the PDF writer's
constexpr qreal InchesPerMetre = 39.3700787;

struct LineCase {
    const char *text;
    Qt::Alignment horizontal;
    qreal width; // of the line's rectangle, in page pixels
    int pointSize;
    bool bold;
};

// Each line drawn twice, the second time from what the first one kept, onto a page resolved as the PDF
// writer resolves it: once by QPainter::drawText, once by PrintedLines.
QImage drawn(const LineCase &line, bool byPrintedLines)
{
    QImage image(1400, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(DeviceDpi * InchesPerMetre));
    image.setDotsPerMeterY(qRound(DeviceDpi * InchesPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(DeviceDpi / PrintFonts::ScreenDpi, DeviceDpi / PrintFonts::ScreenDpi);
    const PrintFonts screen(PrintFonts::ScreenDpi);
    const PrintFonts device(DeviceDpi);
    const QFont measured = screen.measured(GridFont{QString(), line.pointSize, line.bold});
    painter.setFont(device.drawn(measured));
    painter.setPen(Qt::black);
    PrintedLines lines;
    const QString text = QString::fromUtf8(line.text);
    for (int copy = 0; copy < 2; ++copy) {
        const QRectF rect(7.25, 5.5 + copy * 25.125, line.width, 15.125);
        if (byPrintedLines)
            lines.draw(painter, text, rect, line.horizontal);
        else
            painter.drawText(rect, int(line.horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text);
    }
    return image;
}

} // namespace

TEST(PrintedLinesTest, LinesStandWhereThePainterDrawsThemToThePixel)
{
    const LineCase cases[] = {
        {"¥88.81", Qt::AlignRight, 70, 9, false},
        {"m²", Qt::AlignHCenter, 24.5, 9, false},
        {"3.50", Qt::AlignLeft, 30, 9, false},
        {"1.50%", Qt::AlignRight, 33.75, 9, false},
        {"项目0-64", Qt::AlignHCenter, 60, 9, false},
        {"合计", Qt::AlignHCenter, 80, 12, true},
        {"结算：¥10624.25", Qt::AlignRight, 150, 9, true},
        // Wider than its rectangle, cut to it by the painter.
        {"取材标准及施工说明很长", Qt::AlignLeft, 40, 9, false},
        {"¥106.24", Qt::AlignRight, 20, 9, false},
        // What the painter's layout treats apart: blanks at an end, mnemonics, long lines.
        {"12 ", Qt::AlignRight, 60, 9, false},
        {" 12", Qt::AlignLeft, 60, 9, false},
        {"A&B", Qt::AlignHCenter, 60, 9, false},
        {"取材标准及施工说明，第64项的做法与要求取材标准", Qt::AlignLeft, 160, 9, false},
    };
    for (const LineCase &line : cases) {
        const QImage expected = drawn(line, false);
        const QImage actual = drawn(line, true);
        int inked = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                inked += expected.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_GT(inked, 0) << line.text;
        EXPECT_TRUE(actual == expected) << line.text;
    }
}
