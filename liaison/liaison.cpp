#include "liaison/liaison.h"

#include "liaison/boucle.h"
#include "liaison/interface.h"
#include "liaison/nombres.h"

#include <algorithm>
#include <cmath>

namespace optolink {

namespace {
const QByteArray retour = "\r";
const QByteArray octet_allume(1, '\0');
const QByteArray octet_eteint(1, ' ');
} // namespace

Liaison::Liaison(Com& com, Horloge& horloge) : com_(com), horloge_(horloge) {}

bool Liaison::ouvrir_liaison(int numeroport)
{
    if (!ouvrir_port(numeroport))
        return false;
    initialiser();
    return true;
}

bool Liaison::ouvrir_port(int numeroport)
{
    com_.setCommPort(numeroport);
    com_.setSettings(QString::fromLatin1(reglages_ligne));
    bauds_ = vitesse_interface_bauds;
    return com_.setPortOpen(true);
}

bool Liaison::regler_vitesse(int bauds)
{
    if (!com_.portOpen() || !com_.regler_vitesse(bauds))
        return false;
    bauds_ = bauds;
    return true;
}

void Liaison::initialiser()
{
    ecrire("WFORMAT 1");
    ecrire("WASC");
    ecrire("WBAUDS 0");
    eteindre_laser();
}

void Liaison::fermer_liaison()
{
    if (com_.portOpen())
        com_.setPortOpen(false);
}

void Liaison::ecrire(const QByteArray& octets) { ecrire_a(octets, horloge_.maintenant_s()); }

void Liaison::ecrire_a(const QByteArray& octets, double maintenant)
{
    if (!com_.portOpen())
        return;
    com_.output(octets);
    ligne_occupee_jusqua_s_ = std::max(ligne_occupee_jusqua_s_, maintenant) + octets.size() * duree_caractere();
    dernier_ecrit_ = octets;
    dernier_ecrit_a_s_ = maintenant;
}

// The transmitters assert the laser level on every pass of their waits, far faster than the
// line carries it. A repeat of the level just written changes nothing: letting repeats queue up
// would delay the next change of level behind them, and even one repeat on the line when the
// change comes delays it by a character. So a repeat goes only once the line is free and the
// level has not been sent for a while (it then restores a level the interface may have missed),
// and a change of level finds the line free: it takes effect one character time after its
// write, every time.
void Liaison::ecrire_signal(const QByteArray& signal)
{
    const double maintenant = horloge_.maintenant_s();
    if (signal == dernier_ecrit_
        && (maintenant < ligne_occupee_jusqua_s_ || maintenant < dernier_ecrit_a_s_ + rappel_signal_s))
        return;
    ecrire_a(signal, maintenant);
}

void Liaison::allumer_laser() { ecrire_signal(octet_allume + retour); }
void Liaison::eteindre_laser() { ecrire_signal(octet_eteint + retour); }
void Liaison::allumer_laser_rapide() { ecrire_signal(octet_allume); }
void Liaison::eteindre_laser_rapide() { ecrire_signal(octet_eteint); }

QString Liaison::lire()
{
    // Whatever reads here takes the replies for itself: no piece of one is left for the tick.
    debut_de_reponse_.clear();
    com_.reveil_a_l_arrivee(true);
    return lire_arrivees();
}

QString Liaison::lire_arrivees()
{
    if (!com_.portOpen())
        return {};
    const QByteArray recus = com_.input();
    if (!recus.isEmpty()) {
        reponse_due_depuis_s_.reset();
        silence_signale_ = false;
        if (recus.contains('\r')) {
            reponse_ea0_attendue_ = false;
            ea0_sans_reponse_depuis_s_.reset();
        }
    }
    return QString::fromLatin1(recus);
}

void Liaison::noter_demande(double maintenant_s)
{
    if (!reponse_due_depuis_s_)
        reponse_due_depuis_s_ = maintenant_s;
}

double Liaison::echeance_silence_s() const
{
    if (!reponse_due_depuis_s_ || silence_signale_ || !com_.portOpen())
        return jamais_s;
    return *reponse_due_depuis_s_ + delai_silence_s;
}

void Liaison::verifier_silence(double maintenant_s)
{
    if (silence_signale_ || !reponse_due_depuis_s_ || !com_.portOpen()
        || maintenant_s - *reponse_due_depuis_s_ < delai_silence_s)
        return;
    silence_signale_ = true;
    if (silence_)
        silence_();
}

LectureEa0 Liaison::Minuterie_Timer()
{
    const double maintenant = horloge_.maintenant_s();
    const std::optional<double> attendue_depuis = ea0_sans_reponse_depuis_s_;
    ecrire_a("WEA 0" + retour, maintenant);
    noter_demande(maintenant);
    // The read just after the request takes the reply to the one before: the reply to this one
    // comes later, and is owed from here on.
    LectureEa0 lu{lire_arrivees(), {}};
    if (com_.portOpen()) {
        com_.reveil_a_l_arrivee(false);
        reponse_ea0_attendue_ = true;
        derniere_demande_ea0_s_ = maintenant;
        if (!ea0_sans_reponse_depuis_s_)
            ea0_sans_reponse_depuis_s_ = maintenant;
    }
    QString lue = reponse_reassemblee(lu.reponse);
    const bool reponse_en_route = com_.portOpen() && !reponse_entiere(lue) && attendue_depuis
                                  && maintenant - *attendue_depuis < reponse_tardive_max_s;
    // The piece of a cut reply, when nothing came after it and no reply is on its way any more (the
    // port lost, the interface silent), is no reading: it goes, and the silence reads 0 V.
    if (lu.reponse.isEmpty() && !reponse_en_route) {
        debut_de_reponse_.clear();
        lue.clear();
    }
    // Noise on the line can make a number too long for a double: its voltage would be infinite,
    // light or dark for good. Such a reply is refused and the last reading stands.
    const double tension = volts(nombre_en_tete(lue));
    if (std::isfinite(tension) && !reponse_en_route)
        lu.tension_v = tension;
    verifier_silence(maintenant);
    return lu;
}

namespace {
// What a reply still on its way can be: digits so far, no more than a reply holds.
bool debut_de_reponse_possible(const QString& texte)
{
    constexpr qsizetype longueur_max = 8;
    return texte.size() <= longueur_max && std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.isDigit(); });
}
} // namespace

// The piece of a reply left by the read before comes first; only digits are kept as a piece, noise
// goes as it came.
QString Liaison::reponse_reassemblee(const QString& recus)
{
    reponses_terminees_ = reponses_terminees_ || recus.contains(u'\r');
    if (!reponses_terminees_)
        return recus;
    const QString lue = debut_de_reponse_ + recus;
    const QString reste = lue.sliced(lue.lastIndexOf(u'\r') + 1).trimmed();
    debut_de_reponse_ = debut_de_reponse_possible(reste) ? reste : QString();
    return lue;
}

bool Liaison::reponse_entiere(const QString& lue) const
{
    if (!reponses_terminees_)
        return !lue.isEmpty();
    return lue.contains(u'\r') || !debut_de_reponse_possible(lue.trimmed());
}

QByteArray commande_enregistrement(int nbmesuresmax, Echantillonnage modevitesse)
{
    const auto mode = static_cast<int>(modevitesse);
    if (mode < 0 || mode >= std::ssize(modes_vitesse))
        return {};
    return "WPE 1 " + texte_nombre(nbmesuresmax).toLatin1() + modes_vitesse[static_cast<std::size_t>(mode)].commande;
}

std::optional<double> Liaison::programmer_enregistrement(int nbmesuresmax, Echantillonnage modevitesse)
{
    const QByteArray commande = commande_enregistrement(nbmesuresmax, modevitesse);
    if (commande.isEmpty())
        return {};
    ecrire(commande + retour);
    return modes_vitesse[static_cast<std::size_t>(modevitesse)].periode_s;
}

void Liaison::lancer_enregistrement()
{
    const double maintenant = horloge_.maintenant_s();
    ecrire_a("WGOR" + retour, maintenant);
    noter_demande(maintenant);
}

} // namespace optolink
