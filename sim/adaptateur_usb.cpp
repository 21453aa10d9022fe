#include "sim/adaptateur_usb.h"

#include <algorithm>
#include <cmath>

namespace optolink::sim {

AdaptateurUsb::AdaptateurUsb(Ordonnanceur& temps, const ReglagesUsb& reglages,
                             std::function<void(const QByteArray&)> vers_ligne,
                             std::function<void(char)> vers_ordinateur)
    : temps_(temps),
      reglages_(reglages),
      vers_ligne_(std::move(vers_ligne)),
      vers_ordinateur_(std::move(vers_ordinateur)),
      hasard_(reglages.graine)
{
}

double AdaptateurUsb::trame_suivante(double instant_s) const
{
    return std::ceil(instant_s / ReglagesUsb::trame_s - 1e-9) * ReglagesUsb::trame_s;
}

void AdaptateurUsb::descendre(const QByteArray& octets)
{
    const double hote = reglages_.delai_hote_max_s > reglages_.delai_hote_min_s
                            ? std::uniform_real_distribution<double>(reglages_.delai_hote_min_s,
                                                                     reglages_.delai_hote_max_s)(hasard_)
                            : reglages_.delai_hote_min_s;
    descente_s_ = std::max(descente_s_, trame_suivante(temps_.maintenant_s() + hote));
    temps_.programmer(descente_s_, [this, octets] { vers_ligne_(octets); });
}

void AdaptateurUsb::monter(char octet)
{
    tampon_.append(octet);
    const double maintenant = temps_.maintenant_s();
    if (tampon_.size() >= ReglagesUsb::paquet) {
        programmer_paquet(trame_suivante(maintenant));
        return;
    }
    if (paquet_programme_)
        return;
    // The timer keeps expiring every latence_s since the last packet, sending nothing while the
    // adapter holds nothing.
    const double latence = std::max(reglages_.latence_s, ReglagesUsb::trame_s);
    const double ecoule = std::max(0.0, maintenant - dernier_paquet_s_);
    programmer_paquet(trame_suivante(dernier_paquet_s_ + std::ceil(ecoule / latence) * latence));
}

void AdaptateurUsb::programmer_paquet(double instant_s)
{
    paquet_programme_ = true;
    const std::uint64_t generation = ++generation_;
    temps_.programmer(instant_s, [this, generation] { envoyer_paquet(generation); });
}

void AdaptateurUsb::envoyer_paquet(std::uint64_t generation)
{
    if (generation != generation_)
        return;
    paquet_programme_ = false;
    dernier_paquet_s_ = temps_.maintenant_s();
    const QByteArray paquet = std::exchange(tampon_, {});
    for (const char c : paquet)
        vers_ordinateur_(c);
}

} // namespace optolink::sim
