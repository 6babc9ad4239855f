#pragma once

#include <QProcessEnvironment>
#include <QStringList>

namespace testsupport {

// An environment holding only the "NAME=value" assignments given.
inline QProcessEnvironment environmentOf(const QStringList& assignments) {
    QProcessEnvironment result;
    for (const QString& assignment : assignments)
        result.insert(assignment.section(QLatin1Char('='), 0, 0),
                      assignment.section(QLatin1Char('='), 1));
    return result;
}

} // namespace testsupport
