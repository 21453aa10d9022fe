#pragma once

#include "liaison/interface.h"
#include "liaison/nombres.h"

#include <QString>

#include <functional>
#include <span>

namespace optolink {

// Shows the growing Texte1 text while a recording is decoded.
using Progression = std::function<void(const QString&)>;

// The sample stream a decoder walks through, either the downloaded table or a saved file.
// The decoding rules bound their loops differently on the two; each bound has its own test.
class Echantillons {
public:
    virtual ~Echantillons() = default;
    virtual int suivant() = 0;                // the next sample (0 once there is none)
    virtual bool reste() const = 0;           // the decoding scan may go on
    virtual bool reste_preambule() const = 0; // the calibration scan may go on
    virtual bool peut_avancer() const = 0;    // a run may read one more sample
    virtual bool epuisee() const = 0;         // a file is at its end (a table never is)
    virtual int indice() const = 0;           // index of the sample suivant() gave last
};

// tabmesures from index 1 on, up to nbmesuresmax. Runs of light stop after the last entry of the
// table: a read past it gives 0 and is never made twice.
class EchantillonsTable final : public Echantillons {
public:
    EchantillonsTable(std::span<const Mesure> tabmesures, int nbmesuresmax);
    int suivant() override;
    bool reste() const override { return indice_ < nbmesuresmax_; }
    bool reste_preambule() const override { return indice_ <= nbmesuresmax_; }
    bool peut_avancer() const override { return indice_ < std::ssize(tabmesures_); }
    bool epuisee() const override { return false; }
    int indice() const override { return static_cast<int>(indice_); }

private:
    std::span<const Mesure> tabmesures_;
    qsizetype nbmesuresmax_;
    qsizetype indice_ = 0;
};

// Highest and lowest sample met while the detector calibrates.
struct Extremes {
    int max = 0;
    int min = 10000;
    void noter(int valeur)
    {
        if (valeur >= max)
            max = valeur;
        if (valeur <= min)
            min = valeur;
    }
    int milieu() const; // Int((max + min) / 2)
};

} // namespace optolink
