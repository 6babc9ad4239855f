// Sequence recognition over any chosen file name. A recognised sequence starts at
// the chosen file, its members stay in the chosen file's folder, and recognising
// any member gives the same sequence from there on. The picture name it gives
// can be written into a project file and read back. Longer extensions (.jpeg,
// .webp, .HEIC) are kept whole.
#include "editor/model/project/picturesequence.h"
#include "editor/model/storage/projectfile.h"
#include "fuzzcheck.h"

#include <QFileInfo>

using namespace editor;

namespace {

bool liesInFolder(const QString& member, const QString& folder) {
    return member.startsWith(folder) && !member.mid(folder.size()).contains(QLatin1Char('/'));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString chosen = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString title = QFileInfo(chosen).fileName();
    const QString name = pictureNameOf(chosen);
    // The name starts the title, line breaks made blanks, and is never "none". No
    // file name holds a NUL, so such a name never reaches a pane.
    QString oneLine = title;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    FUZZ_CHECK(chosen.contains(QChar(u'\0')) ||
               (isSafePictureName(name) && !name.contains(QLatin1Char('\n')) &&
                (oneLine.startsWith(name) || name == QStringLiteral("none-2"))));

    const PictureSequence sequence = PictureSequence::recognise(chosen);
    if (!sequence.isRecognised())
        return 0;
    FUZZ_CHECK(sequence.startNumber() >= 1 && sequence.startNumber() <= 999);
    FUZZ_CHECK(sequence.leadingZeros() >= 0 && sequence.leadingZeros() <= 2);
    FUZZ_CHECK(sequence.folder() == chosen.left(chosen.size() - title.size()));
    FUZZ_CHECK(sequence.memberFileName(sequence.startNumber()) == chosen);
    // The extension is the end of the name, a longer one taken whole from its dot.
    FUZZ_CHECK(chosen.endsWith(sequence.extension()) &&
               (sequence.extension().size() == 4 || sequence.extension().startsWith('.')));
    for (int number = sequence.startNumber(); number <= std::min(sequence.startNumber() + 3, 998);
         ++number) {
        const QString member = sequence.memberFileName(number);
        FUZZ_CHECK(liesInFolder(member, sequence.folder()));
        const PictureSequence fromMember = PictureSequence::recognise(member);
        FUZZ_CHECK(fromMember.isRecognised() && fromMember.startNumber() == number);
        FUZZ_CHECK(fromMember.memberFileName(number + 1) == sequence.memberFileName(number + 1));
    }
    return 0;
}
