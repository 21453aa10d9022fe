#include "codings/recepteur_binaire.h"

#include "codings/abreviations.h"
#include "codings/attente.h"
#include "codings/reception_lente.h"
#include "codings/trame.h"

namespace optolink {

namespace {
constexpr int silences_max = 6;
constexpr int bits_par_trame = 9;

class ReceptionBinaire {
public:
    explicit ReceptionBinaire(Poste& poste) : poste_(poste), etat_(poste.etat), horloge_(poste.horloge) {}

    void recevoir()
    {
        commencer_reception(poste_, &FenetrePrincipale::Btonenvoiebinaire,
                            QStringLiteral("RECEPTION DE CODE BINAIRE EN COURS     PATIENTEZ SVP"));
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
        afficher_reception(poste_, &FenetrePrincipale::Btonenvoiebinaire, etat_.message,
                           QStringLiteral(" Entrer un message (tout caractère clavier) ou code                         "),
                           etat_.textebits);
    }

private:
    double u() const { return etat_.dureebit; }

    void ajouter(QChar c)
    {
        etat_.chainebits += c;
        etat_.textebits += c;
        poste_.fenetre.Texte1.Text = etat_.chainebits;
    }

    void recevoir_trame()
    {
        ceder_avant_mesure(poste_);
        double t1 = horloge_.maintenant_s();
        while (obscurite(etat_) && etat_.nbsilences <= silences_max && nbbits_ == 0) {
            poste_.boucle.ceder(t1 + u());
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
                poste_.boucle.ceder();
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
            poste_.boucle.ceder(horloge_.maintenant_s() < echeance ? echeance : jamais_s);
            if (horloge_.maintenant_s() - t1 > 0.5) {
                ++nbbits_;
                ++nbuns_;
                fin_ = true;
            }
        }

        if (marqueur)
            poste_.signaux.noter_impulsion(t1, horloge_.maintenant_s(), QStringLiteral("fin"));

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
            poste_.boucle.ceder(t1 + 0.5 * u());
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
            poste_.signaux.noter_impulsion(debut, horloge_.maintenant_s(), QString(nb, u'1'));
    }

    Poste& poste_;
    Etat& etat_;
    Horloge& horloge_;
    int nbbits_ = 0;
    int nbuns_ = 0;
    bool fin_ = false;
};
} // namespace

void attentereceptionbinaire(Poste& poste)
{
    ReceptionBinaire reception(poste);
    attendre_reception(poste, Codage::binaire, 3.5, [&] { reception.recevoir(); });
}

} // namespace optolink
