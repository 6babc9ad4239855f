#pragma once

#include <QString>

namespace editor {

// A numbered sequence of picture files, recognised from the name of one member
// the user chose: Image01.jpg, Image1.gif, Image214.jpg, Image001.bmp ...
//
// The number is read from the end of the file title less its extension (its
// last four characters, or a longer extension such as ".jpeg" or ".webp" whole),
// at most three digits, and zeros in front of it
// are kept as the width the members' numbers are written with.
class PictureSequence {
public:
    enum class Recognition {
        Recognised,
        // The name does not end in a usable number; the user is told so.
        Unusable,
        // Nothing to report: a title of four characters or fewer, or digits that
        // make no number (a name ending in "1a").
        NotASequence,
    };

    static PictureSequence recognise(const QString& fileName);

    Recognition recognition() const { return m_recognition; }
    bool isRecognised() const { return m_recognition == Recognition::Recognised; }

    QString fileName() const { return m_fileName; }
    // The chosen file's folder, ending in a path separator.
    QString folder() const { return m_folder; }
    QString prefix() const { return m_prefix; }
    // 0, 1 or 2: members are numbered with at least leadingZeros + 1 digits.
    int leadingZeros() const { return m_leadingZeros; }
    int startNumber() const { return m_startNumber; }
    // The chosen name's extension, dot included, as the user's file has it.
    QString extension() const { return m_extension; }

    // The file of the member numbered `number`: folder, prefix, number, extension.
    QString memberFileName(int number) const;

private:
    Recognition m_recognition = Recognition::NotASequence;
    QString m_fileName;
    QString m_folder;
    QString m_prefix;
    int m_leadingZeros = 0;
    int m_startNumber = 0;
    QString m_extension;
};

// `fileName` when it is a file; otherwise the first file, in name order, of its
// folder whose name differs from it only in letter case (names on the original
// platform ignore case, so a sequence may run Image01.JPG, image02.jpg);
// empty when there is none.
QString fileIgnoringCase(const QString& fileName);

// The name a pane's files are named after: the file title less its last four
// characters ("Image01.bmp" gives "Image01"); a shorter title is taken whole.
// The name is made storable as storablePictureName() says.
QString pictureNameOf(const QString& fileName);

// A picture name as a project file can carry it and give back: a line break
// becomes a blank, as the file would write it, and "none", which the file would
// read as no picture at all, becomes "none-2", as clashing bitmap names do.
QString storablePictureName(const QString& name);

} // namespace editor
