#include "codages/recepteur_binaire.h"

#include "codages/abreviations.h"
#include "codages/attente.h"
#include "codages/reception_lente.h"
#include "codages/trame.h"

namespace optolink {

namespace {
constexpr int silences_max = 6;
constexpr int bits_par_trame = 9;

class ReceptionBinaire {
public:
    ReceptionBinaire(const Plateforme& plateforme, Etat& etat, Evenements& evenements)
        : horloge_(plateforme.horloge), boucle_(plateforme.boucle), etat_(etat), evenements_(evenements)
    {
    }

    void recevoir()
    {
        evenements_.reception_commencee(Codage::binaire);
        etat_.chainebits.clear();
        etat_.textebits.clear();
        nbbits_ = 0;
        nbuns_ = 0;
        fin_ = false;
        while (etat_.nbsilences <= silences_max && !fin_)
            recevoir_trame();

        const MessageBinaire recu = decoder_chainebits(etat_.chainebits);
        etat_.textebits = recu.textebits;
        etat_.message = developper(recu.message, Developpement::message_entier);
        if (etat_.nbsilences > silences_max)
            etat_.message += QStringLiteral(" réception interrompue automatiquement (vérifier le montage, faire "
                                            "RAZ Orphy et relancer le programme) ");
        evenements_.message_recu(Codage::binaire, etat_.message, etat_.textebits);
    }

private:
    double u() const { return etat_.dureebit; }

    void ajouter(QChar c)
    {
        etat_.chainebits += c;
        etat_.textebits += c;
        evenements_.symboles_recus(etat_.chainebits);
    }

    void recevoir_trame()
    {
        ceder_avant_mesure(boucle_, etat_);
        double t1 = horloge_.maintenant_s();
        while (obscurite(etat_) && etat_.nbsilences <= silences_max && nbbits_ == 0) {
            boucle_.ceder(t1 + u());
            if (horloge_.maintenant_s() - t1 >= u()) {
                ajouter(u' ');
                t1 = horloge_.maintenant_s();
                ++etat_.nbsilences;
            }
        }

        // A frame that has begun is always completed to 9 bits, with zeros if the light stays off.
        for (;;) {
            compter_bits(true);
            compter_bits(false);
            if (nbbits_ < 1 || nbbits_ >= bits_par_trame)
                break;
            // A reading equal to the threshold, neither light nor dark, counts no bit: wait for the
            // next reading rather than cycle here for ever without letting the timer read again.
            if (!lumiere(etat_) && !obscurite(etat_))
                boucle_.ceder();
        }

        if (nbbits_ == bits_par_trame)
            etat_.nbsilences = 0;

        // Nine "1" followed by more light is the end marker.
        t1 = horloge_.maintenant_s();
        const bool marqueur = lumiere(etat_) && nbuns_ >= bits_par_trame;
        while (lumiere(etat_) && nbuns_ >= bits_par_trame) {
            // Until more than 0.5 s has passed, wake then; afterwards only the reading that ends
            // the light can change anything.
            const double echeance = t1 + 0.5;
            boucle_.ceder(horloge_.maintenant_s() < echeance ? echeance : jamais_s);
            if (horloge_.maintenant_s() - t1 > 0.5) {
                ++nbbits_;
                ++nbuns_;
                fin_ = true;
            }
        }

        if (marqueur)
            evenements_.impulsion(t1, horloge_.maintenant_s(), QStringLiteral("fin"));

        if (!fin_ && nbbits_ >= bits_par_trame) {
            nbbits_ = 0;
            nbuns_ = 0;
            etat_.nbsilences = 0;
        }
    }

    // One bit every 0.5 u while the light holds (ones) or stays off inside a frame (zeros).
    void compter_bits(bool uns)
    {
        auto dure = [&] {
            return uns ? lumiere(etat_) && nbbits_ < bits_par_trame
                       : obscurite(etat_) && nbbits_ >= 1 && nbbits_ < bits_par_trame;
        };
        double t1 = horloge_.maintenant_s();
        const double debut = t1;
        int nb = 0;
        while (dure()) {
            boucle_.ceder(t1 + 0.5 * u());
            const double t2 = horloge_.maintenant_s();
            if (t2 - t1 >= 0.5 * u()) {
                ++nbbits_;
                ++nb;
                if (uns)
                    ++nbuns_;
                t1 = t2;
                ajouter(uns ? u'1' : u'0');
            }
        }
        if (uns && nb > 0)
            evenements_.impulsion(debut, horloge_.maintenant_s(), QString(nb, u'1'));
    }

    Horloge& horloge_;
    Boucle& boucle_;
    Etat& etat_;
    Evenements& evenements_;
    int nbbits_ = 0;
    int nbuns_ = 0;
    bool fin_ = false;
};
} // namespace

void attentereceptionbinaire(const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    ReceptionBinaire reception(plateforme, etat, evenements);
    attendre_reception(plateforme, etat, evenements, Codage::binaire, 3.5, [&] { reception.recevoir(); });
}

} // namespace optolink
