#pragma once

#include <QString>

namespace sentences {

// What the composer needs from the window it works on: the word choosers, the
// Sentence Preview list and the Output text with its "Additive" box.
class KestravHost {
public:
    virtual ~KestravHost() = default;

    // Selected position of the Action Modify chooser; -1 when none is selected.
    virtual int actionModifyPosition() const = 0;

    virtual int previewCount() const = 0;
    virtual void clearPreview() = 0;
    virtual void appendPreview(const QString& line) = 0;
    // Empty when the preview is empty.
    virtual QString previewFirstLine() const = 0;

    virtual QString outputText() const = 0;
    virtual void setOutputText(const QString& text) = 0;
    virtual bool outputAdditive() const = 0;

    // Entries of chooser `type`, the blank included.
    virtual int chooserCount(int type) const = 0;
    // Selects an entry as a user's choice would: the window's selection handler
    // runs, which passes the word back to the composer and composes a sentence.
    virtual void selectChooser(int type, int position) = 0;
};

} // namespace sentences
