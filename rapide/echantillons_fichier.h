#pragma once

#include "rapide/echantillons.h"
#include "fichiers/rrr.h"

namespace optolink {

// The samples of a saved recording, one per line, until the end of the file. Opening skips the
// header and the samples of indices 0 and 1: the recording starts in the sender's dark gap, so
// the sample of index 1 plus 7 is the first detection level; the stream goes on from index 2.
class EchantillonsFichier final : public Echantillons {
public:
    explicit EchantillonsFichier(QIODevice& fichier);
    int premier_seuil() const { return premier_seuil_; }
    int suivant() override
    {
        ++indice_;
        return lecteur_.valeur_suivante();
    }
    bool reste() const override { return !lecteur_.fin(); }
    bool reste_preambule() const override { return !lecteur_.fin(); }
    bool peut_avancer() const override { return !lecteur_.fin(); }
    bool epuisee() const override { return lecteur_.fin(); }
    int indice() const override { return indice_; }

private:
    LecteurRrr lecteur_;
    int indice_ = 1;
    int premier_seuil_;
};

} // namespace optolink
