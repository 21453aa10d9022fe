#pragma once

#include "liaison/nombres.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <span>
#include <vector>

namespace optolink {

// A Regressi text file (*.rrr): 35 header lines in Windows-1252, then one line per sample,
// "  k  v ", every line ending in CR LF.
constexpr int lignes_entete_rrr = 35;

struct EcritureRrr {
    bool reussie = true;
    QString raison; // why it failed, in words for the user; empty on success
};

// Writes tabmesures(0) to tabmesures(nbmesuresmax), each sample as the text of its number with the
// leading blank of a non-negative one, an entry no download wrote (or beyond the table) as nothing.
// An empty path writes nothing and succeeds; an existing file is replaced, and only once the whole
// text has been written, so a failed write leaves no half file behind.
EcritureRrr ecrire_fichier_rrr(const QString& chemin, std::span<const Mesure> tabmesures,
                               int nbmesuresmax);

// The value of a data line: leading blanks dropped, the index and the blank after it skipped,
// then the number with blanks ignored, rounded half to even; no blank after the index gives 0.
int valeur_ligne(QByteArrayView ligne);

// Reads a file line by line; nothing is read past its end.
class LecteurRrr {
public:
    explicit LecteurRrr(QIODevice& source) : source_(source) {}
    bool fin() const { return source_.atEnd(); }
    // The next line without its line end, empty at the end; valid until the next call.
    QByteArrayView ligne();
    int valeur_suivante(); // the value of the next line; 0 at the end
    void sauter(int nblignes);

private:
    QIODevice& source_;
    // One buffer for every line: allocating and growing one per line cost more than decoding it.
    QByteArray tampon_;
};

// The values of a file's data lines, from index 0, read from the current position (the start).
std::vector<int> niveaux_rrr(QIODevice& fichier);

} // namespace optolink
