#include "sim/interface_simulee.h"

#include "sim/lumiere.h"

#include <cctype>

namespace optolink::sim {

namespace {
// Longest recording the interface's memory holds, and the periods it can keep.
constexpr int nb_max = 65535;
constexpr int periode_min_us = 1;
constexpr int periode_max_us = 10'000'000;

// The command's name (letters after the 'W') and what follows it.
std::pair<QByteArray, QByteArray> nom_et_arguments(const QByteArray& commande)
{
    qsizetype fin = 1;
    while (fin < commande.size() && std::isupper(static_cast<unsigned char>(commande[fin])))
        ++fin;
    return {commande.mid(1, fin - 1), commande.mid(fin)};
}
} // namespace

InterfaceSimulee::InterfaceSimulee(Ordonnanceur& temps, QString nom, std::function<double()> tension_ea0_v)
    : temps_(temps),
      nom_(std::move(nom)),
      tension_ea0_v_(std::move(tension_ea0_v)),
      descendante_(temps, [this](char c) { arrivee(c); }),
      montante_(temps, [this](char c) {
          // Through USB the bytes wait in the adapter, whether the computer listens yet or not.
          if (usb_) {
              if (perturbateur_.livrer(c))
                  usb_->monter(c);
          } else if (reponse_ && perturbateur_.livrer(c)) {
              reponse_(c);
          }
      }),
      perturbateur_(temps, [this](const QByteArray& octets) { montante_.envoyer(octets); })
{
    decoupeur_.surLaser = [this](bool allume) {
        if (gigue_laser_s_ <= 0)
            return laser(allume);
        const double retard = std::uniform_real_distribution<double>(0, gigue_laser_s_)(hasard_gigue_);
        temps_.programmer(temps_.maintenant_s() + retard, [this, allume] { laser(allume); });
    };
    decoupeur_.surLigne = [this](const QByteArray& ligne) {
        lignes_.append(ligne);
        for (const QByteArray& commande : commandes_de_ligne(ligne)) {
            commandes_.append(commande);
            executer(commande);
        }
    };
}

void InterfaceSimulee::regler_gigue_laser(double gigue_s, std::uint32_t graine)
{
    gigue_laser_s_ = gigue_s;
    hasard_gigue_.seed(graine);
}

void InterfaceSimulee::regler_usb(const ReglagesUsb& reglages)
{
    usb_ = std::make_unique<AdaptateurUsb>(
        temps_, reglages, [this](const QByteArray& octets) { descendante_.envoyer(octets); },
        [this](char c) {
            if (reponse_)
                reponse_(c);
        });
}

void InterfaceSimulee::envoyer(const QByteArray& octets)
{
    if (usb_)
        usb_->descendre(octets);
    else
        descendante_.envoyer(octets);
}

void InterfaceSimulee::arrivee(char c)
{
    if (disparue())
        return;
    octets_recus_.append(c);
    decoupeur_.octet(c);
}

void InterfaceSimulee::oublier_journal()
{
    journal_.clear();
    octets_recus_.clear();
    lignes_.clear();
    commandes_.clear();
}

void InterfaceSimulee::laser(bool allume)
{
    const double instant = temps_.maintenant_s();
    if (allume == laser_)
        return;
    laser_ = allume;
    journal_.push_back({instant, allume});
    if (changement_)
        changement_(journal_.back());
}

void InterfaceSimulee::executer(const QByteArray& commande)
{
    const auto [nom, arguments] = nom_et_arguments(commande);
    if (nom == "EA") {
        // Only EA0 is wired; the other inputs read nothing.
        const bool ea0 = arguments.trimmed().toInt() == 0;
        const int brut = ea0 ? brut_ea(tension_ea0_v_()) : 0;
        if (ea0 && lecture_ea0_)
            lecture_ea0_(temps_.maintenant_s(), brut);
        repondre(QByteArray::number(brut) + '\r');
    } else if (nom == "PE") {
        programmer(arguments);
    } else if (nom == "GOR") {
        lancer();
    }
    // FORMAT, ASC, BAUDS set up the exchange as this model always speaks it; anything else is ignored.
}

// "WPE 1 <count> <period in µs> 1 0": only the count and the period matter here.
void InterfaceSimulee::programmer(const QByteArray& arguments)
{
    const QList<QByteArray> mots = arguments.simplified().split(' ');
    if (mots.size() < 3)
        return;
    bool nb_ok = false;
    bool periode_ok = false;
    const int nb = mots[1].toInt(&nb_ok);
    const int periode_us = mots[2].toInt(&periode_ok);
    if (!nb_ok || !periode_ok || nb < 1 || nb > nb_max || periode_us < periode_min_us || periode_us > periode_max_us)
        return;
    programme_ = Programme{nb, periode_us * 1e-6};
}

void InterfaceSimulee::lancer()
{
    if (!programme_)
        return;
    ++generation_;
    enregistrement_en_cours_ = true;
    echantillon(generation_, *programme_, 0, temps_.maintenant_s());
}

// The recording keeps the programme it was started with, whatever is programmed meanwhile.
void InterfaceSimulee::echantillon(std::uint64_t generation, Programme programme, int rang, double debut_s)
{
    if (generation != generation_)
        return;
    repondre(QByteArray::number(brut_ea(tension_ea0_v_())) + ',');
    const int suivant = rang + 1;
    if (suivant >= programme.nb) {
        enregistrement_en_cours_ = false;
        return;
    }
    temps_.programmer(debut_s + suivant * programme.periode_s, [this, generation, programme, suivant, debut_s] {
        echantillon(generation, programme, suivant, debut_s);
    });
}

void InterfaceSimulee::repondre(const QByteArray& texte) { perturbateur_.repondre(texte); }

} // namespace optolink::sim
