#pragma once

#include "editor/model/project/projectrecord.h"

#include <QFuture>
#include <QList>
#include <QString>

namespace platform {
class JpegEncoder;
}

namespace editor {

class cDIBSection;

// Encodes the bitmap at quality 75 and writes exactly the encoded bytes to the
// file, whole or not at all.
bool SaveDibAsJpeg(const cDIBSection& dib, const QString& fileName, platform::JpegEncoder& encoder,
                   QString* error = nullptr);

// One pane's picture to convert: its prepared bitmap and the JPEG file beside the pages.
struct PictureJob {
    int pane = 0;
    QString bitmap;
    QString jpeg;
};

enum class PictureOutcome { Written, LoadFailed, EncodeFailed };

// The panes in use that have a prepared bitmap, in pane order.
QList<PictureJob> pictureJobs(const ProjectRecord& project, const QString& folder);

PictureOutcome convertPicture(const PictureJob& job, platform::JpegEncoder& encoder);

// Converts the pictures on all cores, roughly in the order given; the results
// come in that order. The encoder must allow calls from several threads at once.
QFuture<PictureOutcome> startPictureConversion(const QList<PictureJob>& jobs,
                                               platform::JpegEncoder& encoder);

} // namespace editor
