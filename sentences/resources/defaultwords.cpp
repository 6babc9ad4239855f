#include "sentences/resources/defaultwords.h"

namespace sentences {

QStringList defaultWords(int type) {
    // The order is the program's own and is kept as it stands ("sleep" before
    // "shop", "the to a"); "in the " and "of a " end in a space that belongs
    // to the word.
    switch (type) {
    case 0: // Protagonist Base
        return {QStringLiteral("He"), QStringLiteral("She"), QStringLiteral("It"),
                QStringLiteral("They")};
    case 1: // Protagonist Modify
        return {
            QStringLiteral("can"),       QStringLiteral("could"),    QStringLiteral("couldn't"),
            QStringLiteral("has"),       QStringLiteral("is"),       QStringLiteral("isn't"),
            QStringLiteral("may"),       QStringLiteral("may well"), QStringLiteral("maybe"),
            QStringLiteral("might"),     QStringLiteral("shall"),    QStringLiteral("should"),
            QStringLiteral("shouldn't"), QStringLiteral("was"),      QStringLiteral("willingly"),
            QStringLiteral("will not")};
    case 2: // Action Base
        return {QStringLiteral("break"),  QStringLiteral("climb"),   QStringLiteral("close"),
                QStringLiteral("crawl"),  QStringLiteral("drive"),   QStringLiteral("fall"),
                QStringLiteral("fight"),  QStringLiteral("grab"),    QStringLiteral("jump"),
                QStringLiteral("lie"),    QStringLiteral("open"),    QStringLiteral("pull"),
                QStringLiteral("push"),   QStringLiteral("release"), QStringLiteral("ride"),
                QStringLiteral("run"),    QStringLiteral("scream"),  QStringLiteral("sit"),
                QStringLiteral("sleep"),  QStringLiteral("slide"),   QStringLiteral("speak"),
                QStringLiteral("stand"),  QStringLiteral("swim"),    QStringLiteral("talk"),
                QStringLiteral("tumble"), QStringLiteral("turn"),    QStringLiteral("yawn")};
    case 3: // Action Modify: endings joined to the action without a space
        return {QStringLiteral("able"),  QStringLiteral("ed"), QStringLiteral("ing"),
                QStringLiteral("ingly"), QStringLiteral("s"),  QStringLiteral("'s")};
    case 4: // Object Base
        return {QStringLiteral("baby"),     QStringLiteral("beach"),    QStringLiteral("bike"),
                QStringLiteral("box"),      QStringLiteral("boy"),      QStringLiteral("car"),
                QStringLiteral("cat"),      QStringLiteral("chair"),    QStringLiteral("child"),
                QStringLiteral("computer"), QStringLiteral("desk"),     QStringLiteral("dog"),
                QStringLiteral("door"),     QStringLiteral("drink"),    QStringLiteral("each"),
                QStringLiteral("entrance"), QStringLiteral("exit"),     QStringLiteral("fence"),
                QStringLiteral("food"),     QStringLiteral("gas"),      QStringLiteral("gate"),
                QStringLiteral("girl"),     QStringLiteral("goat"),     QStringLiteral("ground"),
                QStringLiteral("house"),    QStringLiteral("husband"),  QStringLiteral("indoors"),
                QStringLiteral("liquid"),   QStringLiteral("location"), QStringLiteral("man"),
                QStringLiteral("moon"),     QStringLiteral("outdoors"), QStringLiteral("path"),
                QStringLiteral("piano"),    QStringLiteral("pool"),     QStringLiteral("sea"),
                QStringLiteral("sleep"),    QStringLiteral("shop"),     QStringLiteral("sky"),
                QStringLiteral("solid"),    QStringLiteral("street"),   QStringLiteral("son"),
                QStringLiteral("table"),    QStringLiteral("wife"),     QStringLiteral("window"),
                QStringLiteral("woman")};
    case 5: // Object Modify
        return {QStringLiteral("a"),          QStringLiteral("in a"),   QStringLiteral("in the "),
                QStringLiteral("into the"),   QStringLiteral("of a "),  QStringLiteral("of the"),
                QStringLiteral("on a"),       QStringLiteral("on the"), QStringLiteral("out of"),
                QStringLiteral("out of the"), QStringLiteral("that"),   QStringLiteral("the to a"),
                QStringLiteral("to that"),    QStringLiteral("to the")};
    case 6: // Summary
        return {QStringLiteral("completely"),  QStringLiteral("consistently"),
                QStringLiteral("correctly"),   QStringLiteral("easily"),
                QStringLiteral("fortunately"), QStringLiteral("hopelessly"),
                QStringLiteral("pointedly"),   QStringLiteral("purposefully"),
                QStringLiteral("quickly"),     QStringLiteral("quietly"),
                QStringLiteral("roughly"),     QStringLiteral("slightly"),
                QStringLiteral("slowly"),      QStringLiteral("tight")};
    default:
        return {};
    }
}

} // namespace sentences
