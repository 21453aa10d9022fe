#include "rapide/emetteur_binaire_rapide.h"

#include "codages/abreviations.h"
#include "codages/attente.h"
#include "codages/envoi_lent.h"
#include "codages/trame.h"
#include "rapide/cadence.h"
#include "rapide/envoi_rapide.h"

#include <cmath>

namespace optolink {

namespace {

using enum CommandeLaser;

constexpr int bits_par_trame = 9;

// Lengths of a bit, of the pause after a frame and of a space, in calibration passes, with
// their floor for a machine too slow to count.
struct Comptes {
    long comptebit;
    long comptepause;
    long compteespace;
};

Comptes comptes(double dureebit, long nbpassages)
{
    const long comptebit = static_cast<long>(std::floor(0.07 * nbpassages * dureebit));
    const long comptepause = static_cast<long>(std::floor(2 * nbpassages * 0.07 * dureebit));
    if (comptebit < 10)
        return {10, 20, 25};
    return {comptebit, comptepause, comptepause};
}

// The receiver reads a run of n bits against n times the one gap of the preamble, with a margin of
// 2 to 4 samples. A bit of a fractional number of samples makes that gap one sample too long or too
// short depending on where the samples fall, and a run of four or five zeros then misses its
// window. A bit of a whole number of the receiving interface's sampling periods spans the same
// number of samples wherever it falls: the factor that rounds the bit to it, the three lengths
// keeping their ratios (the bit moves by half a period at most).
double echelle_echantillons(double bit_s, double periodemesure)
{
    const double periodes = std::round(bit_s / periodemesure);
    return periodes >= 1 ? periodes * periodemesure / bit_s : 1.0;
}

// Lengths in seconds of a bit, of the pause after a frame and of a space.
struct Durees {
    double bit_s;
    double pause_s;
    double espace_s;
};

// The preamble's three one-bit pulses and its pause, then every character of chainebits but the
// last (the space that ends the message), with a pause after each frame.
void jouer(Liaison& liaison, Horloge& horloge, const QString& chainebits, const Durees& d)
{
    Cadence cadence(liaison, horloge);
    for (const auto& [commande, duree_s] :
         {std::pair{allumer_laser_rapide, d.bit_s}, {eteindre_laser_rapide, d.bit_s}, {allumer_laser_rapide, d.bit_s},
          {eteindre_laser_rapide, d.bit_s}, {allumer_laser_rapide, d.bit_s}, {eteindre_laser_rapide, d.pause_s}})
        cadence.element(commande, duree_s);
    int nbbits = 0;
    for (qsizetype i = 0; i + 1 < chainebits.size(); ++i) {
        const QChar b = chainebits[i];
        if (b == u' ') {
            cadence.element(eteindre_laser_rapide, d.espace_s);
            continue;
        }
        cadence.element(b == u'1' ? allumer_laser_rapide : eteindre_laser_rapide, d.bit_s);
        if (++nbbits == bits_par_trame) {
            nbbits = 0;
            cadence.element(eteindre_laser_rapide, d.pause_s);
        }
    }
}

} // namespace

void Btonenvoi_binrap_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                            const QString& texte)
{
    Horloge& horloge = plateforme.horloge;
    etat.nbpassages = compter_passages(horloge);
    const Comptes c = comptes(etat.dureebit, etat.nbpassages);
    const double echelle = echelle_echantillons(duree_passages_s(c.comptebit, etat.nbpassages), etat.periodemesure);
    const double bit_s = echelle * duree_passages_s(c.comptebit, etat.nbpassages);
    const double pause_s = echelle * duree_passages_s(c.comptepause, etat.nbpassages);
    const double espace_s = echelle * duree_passages_s(c.compteespace, etat.nbpassages);

    commencer_envoi(plateforme.minuterie, evenements, Codage::binaire_rapide);
    etat.message = abreger(texte) + u' ';
    const double t0 = horloge.maintenant_s();
    const CodeBinaire code = coder_binaire(etat.message);
    etat.chainebits = code.chainebits;
    etat.textebits = code.textebits;
    evenements.signal_prevu(etat.textebits + " = " + etat.chainebits);

    Laser laser(liaison, plateforme, etat);
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua(allumer_laser_rapide, Duree::secondes(1), false);
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua_apres_cession(eteindre_laser_rapide, Duree::secondes(0.35));

    jouer(liaison, horloge, code.chainebits, {bit_s, pause_s, espace_s});

    finir_envoi_rapide(laser, plateforme, etat, evenements, t0, 0.5, true);
    terminer_envoi(plateforme, evenements, Codage::binaire_rapide);
}

} // namespace optolink
