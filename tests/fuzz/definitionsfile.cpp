// The definitions-file reader over any bytes, on top of the default words. Every
// entry it leaves is a word the file can store, and the lists written back read
// again to the same lists.
#include "sentences/engine/definitionsfile.h"
#include "fuzzcheck.h"
#include "sentences/engine/definitionlists.h"

#include <QBuffer>

#include <memory>

using namespace sentences;

namespace {

void readInto(const QByteArray& bytes, DefinitionLists& lists) {
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    definitionsfile::read(device, lists);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto lists = std::make_unique<DefinitionLists>();
    lists->loadDefaults();
    readInto(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), *lists);
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        for (int i = 0; i < DefinitionLists::EntryCount; ++i) {
            const QString word = lists->entry(type, i);
            FUZZ_CHECK(word.isEmpty() || DefinitionLists::isStorableWord(word));
            FUZZ_CHECK(!word.contains(QLatin1Char('\r')) && !word.contains(QLatin1Char('\n')));
        }

    QByteArray written;
    QBuffer device(&written);
    device.open(QIODevice::WriteOnly);
    FUZZ_CHECK(definitionsfile::write(*lists, device));
    FUZZ_CHECK(written.size() == definitionsfile::FileSize);
    const auto again = std::make_unique<DefinitionLists>();
    readInto(written, *again);
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        for (int i = 0; i < DefinitionLists::EntryCount; ++i)
            FUZZ_CHECK(again->entry(type, i) == lists->entry(type, i));
    return 0;
}
