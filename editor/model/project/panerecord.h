#pragma once

#include "editor/model/project/sourcestamp.h"

#include <QPoint>
#include <QString>

namespace editor {

// "none" in the picture fields means the pane has no picture.
inline const QString kNoPicture = QStringLiteral("none");
// "ToUse" in a text means the text is unset; it is also what files hold for an empty text.
inline const QString kUnsetText = QStringLiteral("ToUse");

struct PaneRecord {
    QString Text = kUnsetText;
    QString Label = kUnsetText;
    QString URL = kUnsetText;
    qint16 FlipH = 0;
    qint16 FlipV = 0;
    // The prepared bitmap in the work folder that the stage draws from.
    QString WorkPicture = kNoPicture;
    // The picture file the pane was filled from.
    QString SourcePicture = kNoPicture;
    // Top-left corner of stage slot s, kept in entries 1 to GridSize² only.
    QPoint StagePos;
    // The source file's title less its last four characters; names the pane's files.
    QString PictureName = kNoPicture;
    // The source picture when the prepared bitmap was last made from it.
    SourceStamp Stamp;

    bool hasWorkPicture() const { return WorkPicture != kNoPicture; }
    bool hasSourcePicture() const { return SourcePicture != kNoPicture; }
    // A source picture that is still the one the prepared bitmap was made from.
    bool sourceIsAsPrepared() const {
        return hasSourcePicture() && Stamp.allowsReading(SourcePicture);
    }
    // No picture: the three picture fields "none", no mirroring.
    void makeBlank();
};

inline void PaneRecord::makeBlank() {
    WorkPicture = kNoPicture;
    SourcePicture = kNoPicture;
    PictureName = kNoPicture;
    FlipH = 0;
    FlipV = 0;
    Stamp = {};
}

} // namespace editor
