#pragma once

#include "rapide/echantillons.h"

#include <deque>

namespace optolink {

// The samples of another stream with its glitches smoothed out: a run of at most eclat_max samples
// on the other side of the level, between two samples on the same side (a reflection, a hand
// passing, a neighbour's laser, a sample read wrong), takes the value of the sample before it. The
// shortest element the fast senders make, a dot at "x 1,3" sampled every 1.3 ms, lasts 29 samples
// and no late edge takes more than 8 from it: no run of the signal is ever that short.
//
// A sample at the level itself is on neither side: the decoders read it each by its own rule, and
// no run that holds one, or that one precedes, is smoothed.
//
// The stream looks ahead of what it gives, at most eclat_max + 1 samples and never past the end of
// its source; its bounds are those its source had after the sample it gave last.
class EchantillonsSansEclats final : public Echantillons {
public:
    static constexpr int eclat_max = 4;

    // Light is a sample above seuil.
    EchantillonsSansEclats(Echantillons& source, int seuil);
    void regler_seuil(int seuil) { seuil_ = seuil; }

    int suivant() override;
    bool reste() const override { return bornes_.reste; }
    bool reste_preambule() const override { return bornes_.reste_preambule; }
    bool peut_avancer() const override { return bornes_.peut_avancer; }
    bool epuisee() const override { return bornes_.epuisee; }
    int indice() const override { return bornes_.indice; }

private:
    struct Bornes {
        bool reste, reste_preambule, peut_avancer, epuisee;
        int indice;
    };
    struct Lu {
        int valeur;
        Bornes bornes;
    };
    static Bornes bornes_de(const Echantillons& e);
    bool allume(int valeur) const { return valeur > seuil_; }
    // Reads the source until n samples wait, or it cannot give more.
    void attendre(std::size_t n);

    Echantillons& source_;
    int seuil_;
    Bornes bornes_;
    std::deque<Lu> attente_;
    bool premier_ = true;
    int precedent_ = 0;
};

} // namespace optolink
