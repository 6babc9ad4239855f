// Replays kept inputs through a fuzz target: each argument is an input file or a
// folder of them (a missing folder holds none). Used where the target is built
// without libFuzzer, so the ordinary test run replays seeds and reproducers.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo argument(QFile::decodeName(argv[i]));
        QStringList inputs;
        if (argument.isDir())
            for (const QFileInfo& file :
                 QDir(argument.filePath()).entryInfoList(QDir::Files, QDir::Name))
                inputs << file.filePath();
        else if (argument.isFile())
            inputs << argument.filePath();
        for (const QString& input : std::as_const(inputs)) {
            QFile file(input);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(input));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::printf("%s\n", qPrintable(input));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
