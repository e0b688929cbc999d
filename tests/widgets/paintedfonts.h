#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QWidget>

#include <limits>

// A paint device that keeps nothing but the fonts texts are drawn with, so a test reads
// the sizes a delegate really paints instead of the sizes it was asked for.
class PaintedFonts : public QPaintDevice
{
public:
    struct Summary {
        qreal smallestPointSize; // of any text drawn with a digit or a CJK character in it
        int textCount;
    };

    explicit PaintedFonts(QSize size) : m_engine(this), m_size(size) {}

    QPaintEngine *paintEngine() const override { return &m_engine; }

    // What `widget` paints, as it would appear on the screen.
    static Summary of(QWidget *widget)
    {
        PaintedFonts fonts(widget->size());
        widget->render(&fonts, QPoint(), QRegion(), QWidget::DrawChildren);
        return {fonts.m_smallest, fonts.m_texts};
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(PaintedFonts *owner) : QPaintEngine(AllFeatures), m_owner(owner) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        Type type() const override { return User; }
        void drawTextItem(const QPointF &, const QTextItem &item) override
        {
            const QString text = item.text();
            bool counts = false;
            for (const QChar c : text)
                counts = counts || c.isDigit() || c.unicode() >= 0x4E00;
            if (!counts)
                return;
            // Fonts given in pixels are turned into points at the device's 96 dots per inch.
            const QFont font = item.font();
            const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
            m_owner->m_smallest = std::min(m_owner->m_smallest, points);
            ++m_owner->m_texts;
        }

    private:
        PaintedFonts *m_owner;
    };

    mutable Engine m_engine;
    QSize m_size;
    qreal m_smallest = std::numeric_limits<qreal>::max();
    int m_texts = 0;
};
