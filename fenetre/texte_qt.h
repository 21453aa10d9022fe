#pragma once

#include <QPlainTextEdit>

namespace optolink {

// Texte1 and Texte2: a multi-line text box that takes nothing but text from the clipboard, the
// X selection or a drop. Qt 6.4 reads the first format of what it is given without looking
// whether there is one, and a clipboard that nobody owns (the state of a fresh session) has none:
// Ctrl+V, Shift+Insert, the middle button or the menu's "Coller" ended the program.
class TexteQt final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace optolink
