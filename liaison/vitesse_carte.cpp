#include "liaison/vitesse_carte.h"

#include "liaison/interface.h"
#include "liaison/nombres.h"

#include <algorithm>

namespace optolink {

namespace {

// The command must leave at 9600 baud before this end changes its rate: the system changes it at
// once, and a USB chip may take a new rate before the bytes still in its buffer. Its characters'
// time, and this for the system, the bus and the board, which changes its own once it has read it.
constexpr double marge_changement_s = 0.1;
// The check's reply, three characters at the new rate, is awaited this long at most.
constexpr double attente_reponse_s = 0.2;
// A board left at its rate by a failed check comes back to 9600 baud at the first byte it cannot
// frame: any byte sent at 9600 is one. 0xFF leaves the line at rest past its start bit, so that the
// board, back at 9600 in the middle of it, sees no other byte begin there; a board still at 9600
// ignores it, outside a command or as a word that is no number.
const QByteArray rappel_9600(1, '\xff');
// The board is back at 9600 within this, the byte's time with a margin.
constexpr double attente_rappel_s = 0.01;

void attendre(Horloge& horloge, Boucle& boucle, double fin_s)
{
    while (horloge.maintenant_s() < fin_s)
        boucle.ceder(fin_s);
}

// Writes "WEA 0" and reads until a reply ends with its carriage return: whether it is a reading.
bool ea0_repond(Liaison& liaison, Horloge& horloge, Boucle& boucle)
{
    liaison.lire();
    liaison.ecrire("WEA 0\r");
    const double fin = horloge.maintenant_s() + attente_reponse_s;
    QString recu;
    while (!recu.contains(u'\r') && horloge.maintenant_s() < fin) {
        recu += liaison.lire();
        if (!recu.contains(u'\r'))
            boucle.ceder(fin);
    }
    const qsizetype fin_reponse = recu.indexOf(u'\r');
    if (fin_reponse <= 0)
        return false;
    const QString reponse = recu.first(fin_reponse);
    return std::ranges::all_of(reponse, [](QChar c) { return c.isDigit(); }) && nombre_en_tete(reponse) <= 255;
}

} // namespace

bool est_accueil_carte(const QString& recu) { return recu.contains(QString::fromLatin1(accueil_carte) + u'\r'); }

bool accelerer_si_carte(Liaison& liaison, Horloge& horloge, Boucle& boucle, const QString& recu)
{
    if (!est_accueil_carte(recu))
        return false;
    const QByteArray commande = QByteArray(commande_vitesse) + ' ' + QByteArray::number(vitesse_carte_bauds) + '\r';
    liaison.ecrire(commande);
    attendre(horloge, boucle, horloge.maintenant_s() + commande.size() * liaison.duree_caractere() + marge_changement_s);
    if (liaison.regler_vitesse(vitesse_carte_bauds) && ea0_repond(liaison, horloge, boucle))
        return true;
    liaison.regler_vitesse(vitesse_interface_bauds);
    liaison.ecrire(rappel_9600);
    attendre(horloge, boucle, horloge.maintenant_s() + attente_rappel_s);
    liaison.lire();
    return false;
}

} // namespace optolink
