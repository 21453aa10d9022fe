#include "fenetre/texte_qt.h"

#include <QMimeData>

namespace optolink {

namespace {

bool porte_du_texte(const QMimeData* source) { return source && source->hasText(); }

} // namespace

bool TexteQt::canInsertFromMimeData(const QMimeData* source) const
{
    return porte_du_texte(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void TexteQt::insertFromMimeData(const QMimeData* source)
{
    if (porte_du_texte(source))
        QPlainTextEdit::insertFromMimeData(source);
}

} // namespace optolink
