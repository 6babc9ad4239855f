#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace platform {

// The extent of `image` in logical pixels, by its device pixel ratio.
QRect logicalRect(const QImage& image);

// Reads a picture file (bitmap, GIF, JPEG, PNG, WebP, TIFF, HEIC, AVIF and what
// else Qt's image plugins read), recognised by its content, turned upright as its
// orientation tag says and with transparent parts over white; a header that claims
// more than the picture limits allow is refused before anything is decoded. With a valid
// `targetSize` a larger picture is shrunk to exactly that size while it is read
// (a JPEG decodes straight at a fraction of its size, much faster for photographs).
QImage readPicture(const QString& fileName, QString* error, QSize targetSize = {});
// The extensions of the picture files the programs read, lower case, no dot.
QStringList pictureExtensions();

// The same for a picture file's content held in memory (pasted or downloaded).
QImage readPictureData(const QByteArray& data, QString* error, QSize targetSize = {});

// A drawing surface with a persistent picture, as the windows draw on it.
//
// `image()` is what the surface shows. `clear()` wipes every drawing back to the
// persistent picture (or to the background where there is none). Extents of
// stretched drawing may be negative: a negative width or height mirrors the
// picture, the destination then running from the given corner leftwards or
// upwards (the corner pixel included).
//
// Every position and size is in logical pixels. On a scaled screen the image
// holds `devicePixelRatio()` device pixels to a logical one (and says so in its
// own ratio), so lines and text are drawn at the screen's resolution and a
// picture of device pixels shows one to one.
class PictureSurface {
public:
    // Smooth filtering for photographs; plain pixel repetition keeps a pattern's
    // squares crisp.
    enum class Stretch { Smooth, Plain };

    PictureSurface() = default;
    explicit PictureSurface(QSize size, QColor background = Qt::white, qreal devicePixelRatio = 1);

    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    qreal devicePixelRatio() const { return m_ratio; }
    const QImage& image() const { return m_image; }
    const QImage& picture() const { return m_picture; }
    QColor background() const { return m_background; }

    // Keeps what is drawn at the top left; new area shows the background. With
    // another ratio what is kept is scaled to it.
    void resize(QSize size);
    void resize(QSize size, qreal devicePixelRatio);
    void clear();
    void clearPicture();
    // Shows `picture` and makes it the persistent picture; the surface takes its
    // size and its device pixel ratio.
    void setPicture(const QImage& picture);
    // Makes what is drawn now the persistent picture.
    void makePersistent();
    // Loads a picture file as the persistent picture; the surface takes its size.
    bool load(const QString& fileName, QString* error = nullptr, QSize targetSize = {});

    void stretchDraw(const QImage& source, int x, int y, int width, int height,
                     Stretch mode = Stretch::Smooth);
    void stretchDraw(const QImage& source, const QRect& sourceRect, int x, int y, int width,
                     int height, Stretch mode = Stretch::Smooth);
    // Plain source copy of a block of `source`, device pixel for device pixel;
    // `sourceRect` is in the logical pixels of `source`'s own ratio. Parts outside
    // either picture are left out.
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
    // A device-pixel image of the background, `size` logical pixels large.
    QImage emptyImage(QSize size) const;

    QSize m_size{0, 0};
    qreal m_ratio = 1;
    QImage m_image;
    QImage m_picture;
    QColor m_background = Qt::white;
    int m_penWidth = 1;
    QColor m_penColour = Qt::black;
};

} // namespace platform
