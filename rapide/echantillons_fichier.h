#pragma once

#include "rapide/echantillons.h"

#include <span>

namespace optolink {

// The samples of a saved recording, its data lines' values from index 0, until the last line. The
// samples of indices 0 and 1 are not in the stream: the recording starts in the sender's dark gap,
// so the sample of index 1 plus 7 is the first detection level; the stream goes on from index 2.
class EchantillonsFichier final : public Echantillons {
public:
    explicit EchantillonsFichier(std::span<const int> niveaux);
    int premier_seuil() const { return premier_seuil_; }
    int suivant() override
    {
        ++indice_;
        return indice_ < std::ssize(niveaux_) ? niveaux_[static_cast<std::size_t>(indice_)] : 0;
    }
    bool reste() const override { return indice_ + 1 < std::ssize(niveaux_); }
    bool reste_preambule() const override { return reste(); }
    bool peut_avancer() const override { return reste(); }
    bool epuisee() const override { return !reste(); }
    int indice() const override { return indice_; }

private:
    std::span<const int> niveaux_;
    int indice_ = 1;
    int premier_seuil_;
};

} // namespace optolink
