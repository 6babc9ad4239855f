#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace platform {

// Reads a bitmap, GIF or JPEG file, recognised by its content, turned upright as
// its orientation tag says and with transparent parts over white. With a valid
// `targetSize` a larger picture is shrunk to exactly that size while it is read
// (a JPEG decodes straight at a fraction of its size, much faster for photographs).
QImage readPicture(const QString& fileName, QString* error, QSize targetSize = {});

// A drawing surface with a persistent picture, as the windows draw on it.
//
// `image()` is what the surface shows. `clear()` wipes every drawing back to the
// persistent picture (or to the background where there is none). Extents of
// stretched drawing may be negative: a negative width or height mirrors the
// picture, the destination then running from the given corner leftwards or
// upwards (the corner pixel included).
class PictureSurface {
public:
    // Smooth filtering for photographs; plain pixel repetition keeps a pattern's
    // squares crisp.
    enum class Stretch { Smooth, Plain };

    PictureSurface() = default;
    explicit PictureSurface(QSize size, QColor background = Qt::white);

    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }
    const QImage& picture() const { return m_picture; }
    QColor background() const { return m_background; }

    // Keeps what is drawn at the top left; new area shows the background.
    void resize(QSize size);
    void clear();
    void clearPicture();
    // Shows `picture` and makes it the persistent picture; the surface takes its size.
    void setPicture(const QImage& picture);
    // Makes what is drawn now the persistent picture.
    void makePersistent();
    // Loads a picture file as the persistent picture; the surface takes its size.
    bool load(const QString& fileName, QString* error = nullptr, QSize targetSize = {});

    void stretchDraw(const QImage& source, int x, int y, int width, int height,
                     Stretch mode = Stretch::Smooth);
    void stretchDraw(const QImage& source, const QRect& sourceRect, int x, int y, int width,
                     int height, Stretch mode = Stretch::Smooth);
    // Plain source copy of a block of `source`, unscaled; parts outside either
    // picture are left out.
    void copyBlock(const QImage& source, const QRect& sourceRect, QPoint to);
    void fillRect(const QRect& rect, QColor colour);

    void setPen(int width, QColor colour);
    void drawLine(QPoint from, QPoint to);
    void drawRect(const QRect& rect);
    // Inverts the pixels under the line with the colour, so drawing it twice
    // restores what was there.
    void drawXorLine(QPoint from, QPoint to, QColor colour, int width = 1);

    // Text whose top-left corner is at `topLeft`, in bold.
    void drawBoldText(QPoint topLeft, const QString& text, QColor colour, QFont font);

    // Saves what is drawn as a bitmap file; nothing is left half-written.
    bool saveBitmap(const QString& fileName, QString* error = nullptr) const;

private:
    QImage m_image;
    QImage m_picture;
    QColor m_background = Qt::white;
    int m_penWidth = 1;
    QColor m_penColour = Qt::black;
};

} // namespace platform
