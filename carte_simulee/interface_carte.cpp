#include "carte_simulee/interface_carte.h"

#include <string_view>

namespace optolink::sim {

namespace {
// How long the laser's changes are kept: the facing photodiode looks at most a step or two back.
constexpr double memoire_laser_s = 1.0;
} // namespace

InterfaceCarte::InterfaceCarte(Ordonnanceur& temps, QString nom, const std::string& chemin_elf,
                               std::function<double(double)> tension_a0_v, const std::string& chemin_chargeur)
    : temps_(temps),
      nom_(std::move(nom)),
      origine_s_(temps.maintenant_s()),
      tension_a0_v_(std::move(tension_a0_v)),
      remise_auto_(!chemin_chargeur.empty()),
      carte_(chemin_elf, chemin_chargeur, [this](double instant_s) { return tension_a0_v_(origine_s_ + instant_s); })
{
    carte_.surLaser([this](double instant_s, bool allume) { laser(origine_s_ + instant_s, allume); });
    carte_.surDepart([this](double arrivee_s, char octet) {
        temps_.programmer(origine_s_ + arrivee_s, [this, octet] { vers_ordinateur(octet); });
    });
    temps_.programmer(temps_.maintenant_s() + pas_s, [this] { tic(); });
}

void InterfaceCarte::tic()
{
    const double maintenant = temps_.maintenant_s();
    avancer_jusqua(maintenant);
    temps_.programmer(maintenant + pas_s, [this] { tic(); });
}

void InterfaceCarte::avancer_jusqua(double instant_s)
{
    en_marche_ = true;
    try {
        carte_.avancer_jusqua(instant_s - origine_s_);
    } catch (...) {
        en_marche_ = false;
        throw;
    }
    en_marche_ = false;
}

void InterfaceCarte::ouverture_du_port()
{
    if (!remise_auto_)
        return;
    avancer_jusqua(temps_.maintenant_s());
    carte_.remettre_a_zero();
}

// The bytes already written keep the rate they were written at.
void InterfaceCarte::regler_vitesse(int bauds)
{
    if (bauds == carte_.vitesse_ordinateur_bauds())
        return;
    avancer_jusqua(temps_.maintenant_s());
    carte_.regler_vitesse_ordinateur(bauds);
}

void InterfaceCarte::regler_usb(const ReglagesUsb& reglages)
{
    usb_ = std::make_unique<AdaptateurUsb>(
        temps_, reglages, [this](const QByteArray& octets) { vers_carte(octets); },
        [this](char octet) {
            if (reponse_)
                reponse_(octet);
        });
}

void InterfaceCarte::envoyer(const QByteArray& octets)
{
    if (usb_)
        usb_->descendre(octets);
    else
        vers_carte(octets);
}

// The bytes leave the computer now: the chip is brought to now first, or they would reach it early.
void InterfaceCarte::vers_carte(const QByteArray& octets)
{
    avancer_jusqua(temps_.maintenant_s());
    carte_.envoyer(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

void InterfaceCarte::vers_ordinateur(char octet)
{
    if (usb_)
        usb_->monter(octet);
    else if (reponse_)
        reponse_(octet);
}

void InterfaceCarte::laser(double instant_s, bool allume)
{
    historique_.push_back({instant_s, allume});
    while (historique_.size() > 1 && historique_.front().instant_s < instant_s - memoire_laser_s)
        historique_.pop_front();
    if (changement_)
        changement_(historique_.back());
}

// The facing photodiode asks about an instant in the chip's past while the chip runs (the facing
// board's conversions), otherwise possibly in its future: it runs up to there first.
bool InterfaceCarte::laser_allume_a(double instant_s)
{
    if (!en_marche_ && instant_s > origine_s_ + carte_.maintenant_s())
        avancer_jusqua(instant_s);
    bool allume = carte_.laser_allume();
    for (auto it = historique_.rbegin(); it != historique_.rend() && it->instant_s > instant_s; ++it)
        allume = !it->allume;
    return allume;
}

} // namespace optolink::sim
